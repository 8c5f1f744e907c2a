#include <gtest/gtest.h>

#include "Database.h"
#include "DatabaseError.h"
#include "FixtureDatabase.h"
#include "NuclideList.h"

namespace quorvel {
namespace {

TEST(NuclideList, EntriesLineUpUnderTheHeader) {
    EXPECT_EQ(FormatNuclideListEntry("27", "Cobalt", "Co-60", "5.271 y", "I/E"),
              " 27   Cobalt          Co-60       5.271 y      I/E ");
    EXPECT_EQ(FormatNuclideListEntry("1", "Hydrogen", "H-3", "12.35 y", "I"),
              "  1   Hydrogen        H-3         12.35 y      I   ");
    const std::string header = NuclideListHeader;
    EXPECT_EQ(header.find("Nuclide"), 22U) << "the name column starts at position 23";
}

TEST(NuclideList, LongValuesAreKeptWholeAndShiftTheRest) {
    const std::string entry = FormatNuclideListEntry("104", "Rutherfordiumm", "Rf-261", "65 s", "E");
    EXPECT_EQ(entry, "104   Rutherfordiumm   Rf-261      65 s         E   ");
    EXPECT_EQ(EntryNuclide(entry), "Rf-261") << "trimmed at both ends";
    EXPECT_EQ(EntryNuclide(FormatNuclideListEntry("95", "Americium", "Am-242m", "141 y", "I")), "Am-242m");
    EXPECT_EQ(EntryNuclide(FormatNuclideListEntry("1", "Element-Name-Far-Too-Long", "H-3", "1 y", "I")), "-Too-Long");
    EXPECT_EQ(EntryNuclide("short"), "");
}

TEST(NuclideList, ReadsEveryRecordTrimmed) {
    test::FixtureDatabase fixture;
    fixture.CreateNuclideTable();
    fixture.AddNuclide(" 27 ", "Cobalt  ", "  Co-60", "5.271 y", "I/E");
    fixture.AddNuclide("55", "Cesium", "Cs-137", "30.0 y", "I");
    auto database = OpenDatabase(fixture.Path());
    Recordset nuclides = database->OpenTable("Nuke2");
    const auto entries = ReadNuclideListEntries(nuclides);
    ASSERT_EQ(entries.size(), 2U);
    EXPECT_EQ(entries[0], " 27   Cobalt          Co-60       5.271 y      I/E ");
    EXPECT_EQ(EntryNuclide(entries[1]), "Cs-137");
}

TEST(NuclideList, EmptyTablesNullValuesAndMissingFieldsFail) {
    const std::string nuke2 = R"(CREATE TABLE Nuke2 (Z, Element, Nuclide, "T1/2", "Int/Ext"))";
    for (const std::string& setup : {nuke2, nuke2 + "; INSERT INTO Nuke2 VALUES ('27', 'Cobalt', 'Co-60', NULL, 'I')",
                                     std::string("CREATE TABLE Nuke2 (Z, Element, Nuclide); "
                                                 "INSERT INTO Nuke2 VALUES ('27', 'Cobalt', 'Co-60')")}) {
        test::FixtureDatabase fixture;
        fixture.Execute(setup);
        auto database = OpenDatabase(fixture.Path());
        Recordset nuclides = database->OpenTable("Nuke2");
        EXPECT_THROW(ReadNuclideListEntries(nuclides), DatabaseError) << setup;
    }
}

}  // namespace
}  // namespace quorvel

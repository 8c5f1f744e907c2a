// The database library: number texts, field values, recordsets, the SQLite reader, the
// start-up tables and the nuclide list.

#include <fstream>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

#include "Database.h"
#include "DatabaseError.h"
#include "FieldValue.h"
#include "FixtureDatabase.h"
#include "NuclideList.h"
#include "NumberText.h"
#include "StartUpReaders.h"

namespace quorvel {
namespace {

using test::FixtureDatabase;

TEST(ReadNumber, ReadsDecimalNumbersWithBlanksAround) {
    // "1e-400" underflows: it reads as zero.
    for (const auto& [text, value] : std::vector<std::pair<const char*, double>>{
             {"1.356E-08", 1.356E-08}, {"  42 ", 42}, {"-.5", -0.5}, {"+3e2", 300}, {"5.", 5}, {"1e-400", 0}})
        EXPECT_EQ(ReadNumber(text), value) << text;
}

TEST(ReadNumber, RefusesTextsThatAreNotNumbers) {
    for (const char* text : {"", " ", "abc", "1.2.3", "1e", "e5", "0x10", "inf", "nan", "1,5", "1 2", "--1", "1e400",
                             "1\xe2\x80\x93"
                             "05",
                             "."}) {
        EXPECT_FALSE(ReadNumber(text).has_value()) << text;
    }
    EXPECT_THROW(ConvertTextToNumber("4.3 Sv"), DatabaseError);
}

TEST(FormatGeneralNumber, WritesTheShortestGeneralForm) {
    // Fifteen significant digits at most, found by fuzzing a sixteen-digit text.
    for (const auto& [value, text] :
         std::vector<std::pair<double, const char*>>{{365, "365"},
                                                     {0.01, "0.01"},
                                                     {1.356E-08, "1.356E-08"},
                                                     {0, "0"},
                                                     {0.1 + 0.2, "0.3"},
                                                     {*ReadNumber("2222222222222225"), "2.22222222222222E+15"},
                                                     {123456789012345678.0, "1.23456789012346E+17"}})
        EXPECT_EQ(FormatGeneralNumber(value), text) << text;
}

TEST(FieldValue, NullIsNoTextAndNoNumber) {
    const FieldValue null;
    EXPECT_TRUE(null.IsNull());
    EXPECT_EQ(null.TextOrEmpty(), "");
    EXPECT_FALSE(null.IsNumeric());
    EXPECT_THROW(null.Text(), DatabaseError);
    EXPECT_THROW(null.Number(), DatabaseError);
}

TEST(FieldValue, TextsThatReadAsNumbersAreNumeric) {
    EXPECT_TRUE(FieldValue("2.0E-10").IsNumeric());
    EXPECT_DOUBLE_EQ(FieldValue("2.0E-10").Number(), 2.0E-10);
    EXPECT_FALSE(FieldValue("Leukemia").IsNumeric());
    EXPECT_THROW(FieldValue("Leukemia").Number(), DatabaseError);
    EXPECT_EQ(FieldValue(std::int64_t{27}).Text(), "27");
    EXPECT_EQ(FieldValue(7300.0).Text(), "7300");
}

TEST(TrimBlanks, RemovesBlanksAtBothEndsOnly) {
    EXPECT_EQ(TrimBlanks("  Co-60  "), "Co-60");
    EXPECT_EQ(TrimBlanks("   "), "");
    EXPECT_EQ(TrimBlanks(" a b "), "a b");
}

Recordset TwoRecords() {
    return Recordset({"Nuclide", "Value"},
                     {{FieldValue("Co-60"), FieldValue(1.5)}, {FieldValue("Cs-137"), FieldValue()}});
}

TEST(Recordset, MovesFromTheFirstRecordToTheEnd) {
    Recordset records = TwoRecords();
    EXPECT_FALSE(records.IsEOF());
    EXPECT_EQ(records.Field("Nuclide").Text(), "Co-60");
    records.MoveNext();
    EXPECT_EQ(records.Field(0).Text(), "Cs-137");
    EXPECT_TRUE(records.Field("value").IsNull()) << "field names compare without regard to case";
    records.MoveNext();
    EXPECT_TRUE(records.IsEOF());
    EXPECT_THROW(records.Field(0), DatabaseError);
    EXPECT_THROW(records.MoveNext(), DatabaseError);
    records.MoveLast();
    EXPECT_EQ(records.Field(0).Text(), "Cs-137");
    records.MoveFirst();
    EXPECT_EQ(records.Field(0).Text(), "Co-60");
}

TEST(SqliteDatabase, QueriesBindTheirParameters) {
    FixtureDatabase fixture;
    fixture.Execute("CREATE TABLE T (Nuclide TEXT, ID INTEGER)");
    fixture.Insert("T", {"O'Brien-1", std::int64_t{3}});
    fixture.Insert("T", {"Co-60", std::int64_t{1}});
    fixture.Insert("T", {"x' OR '1'='1", std::int64_t{2}});

    auto database = OpenDatabase(fixture.Path());
    Recordset quoted = database->OpenQuery("SELECT * FROM T WHERE Nuclide = ? ORDER BY ID", {std::string("O'Brien-1")});
    ASSERT_EQ(quoted.RecordCount(), 1);
    EXPECT_EQ(quoted.Field("ID").Text(), "3");

    Recordset injected = database->OpenQuery("SELECT * FROM T WHERE Nuclide = ?", {std::string("' OR '1'='1")});
    EXPECT_EQ(injected.RecordCount(), 0);
    EXPECT_THROW(database->OpenQuery("SELECT * FROM T WHERE Nuclide = ?", {}), DatabaseError);
}

TEST(SqliteDatabase, NamesWithBlanksAndSlashesAreReadAsTables) {
    FixtureDatabase fixture;
    fixture.Execute(R"(CREATE TABLE "Age Units" ("T1/2" TEXT))");
    fixture.Insert("Age Units", {"30 y"});
    auto database = OpenDatabase(fixture.Path());
    EXPECT_EQ(database->OpenTable("Age Units").Field("T1/2").Text(), "30 y");
    EXPECT_THROW(database->OpenTable("No Such Table"), DatabaseError);
}

TEST(OpenDatabase, MissingDamagedAndForeignFilesFailWithoutBeingChanged) {
    test::TemporaryFolder folder;
    const auto missing = folder.Path() / "missing.mdb";
    EXPECT_THROW(OpenDatabase(missing.string()), DatabaseError);
    EXPECT_FALSE(std::filesystem::exists(missing)) << "opening must never create the file";

    EXPECT_THROW(OpenDatabase(folder.Path().string()), DatabaseError) << "a folder";

    const auto garbage = folder.Path() / "garbage.mdb";
    {
        std::ofstream out(garbage, std::ios::binary);
        for (int i = 0; i < 4096; ++i) out.put(static_cast<char>((i * 7919) % 251));
    }
    const auto size = std::filesystem::file_size(garbage);
    try {
        OpenDatabase(garbage.string());
        FAIL() << "random bytes opened as a database";
    } catch (const DatabaseError& e) {
        EXPECT_NE(std::string(e.what()).find(garbage.string()), std::string::npos) << "the message names the file";
    }
    EXPECT_EQ(std::filesystem::file_size(garbage), size);
}

TEST(ReadAgeUnits, ReadsTheGroupsInStoredOrder) {
    FixtureDatabase fixture;
    fixture.CreateAgeUnits({{"Adult", 7300}, {"3 Months", 100}, {"1 Year", 365}});
    auto database = OpenDatabase(fixture.Path());
    const AgeGroups ages = ReadAgeUnits(*database);
    EXPECT_EQ(ages.AgeGroupCount(), 3);
    EXPECT_EQ(ages.AgeGroupNames, (std::vector<std::string>{"Adult", "3 Months", "1 Year"}));
    EXPECT_EQ(ages.AgeGroupDays, (std::vector<double>{7300, 100, 365}));
}

TEST(ReadUnitTables, NineFieldsGiveFourCategoriesWithCountsAtPositionZero) {
    FixtureDatabase fixture;
    fixture.CreateUnitTable(
        "Dose Units",
        {{{"Sv/Bq", 1}, {"mSv/Bq", 1000}, {"rem/Ci", 3.7e12}}, {{"Sv m3/(Bq s)", 1}}, {}, {{"a", 2}, {"b", 3}}});
    fixture.CreateUnitTable("Risk Units", {{{"per Bq", 1}}, {}, {}, {}});

    const UnitTables tables = ReadUnitTables(*OpenDatabase(fixture.Path()), "Risk Units", "Dose Units");
    const UnitTable& dose = tables.DoseUnits;
    EXPECT_EQ(dose.CategoryCount(), 4);
    EXPECT_EQ(dose.UnitCount(1), 3);
    EXPECT_EQ(dose.UnitCount(3), 0) << "a category without units";
    EXPECT_EQ(dose.UnitCount(5), 0) << "a category the table does not have";
    EXPECT_EQ(dose.Labels[1], (std::vector<std::string>{"3", "Sv/Bq", "mSv/Bq", "rem/Ci"}));
    EXPECT_EQ(dose.Factors[1], (std::vector<double>{3, 1, 1000, 3.7e12}));
    EXPECT_EQ(dose.Labels[4][0], "2");
    EXPECT_EQ(dose.Labels[4][2], "b");
    EXPECT_EQ(dose.Factors[4][2], 3);
    EXPECT_EQ(dose.Labels[2].size(), 4U) << "every category spans the largest count";
    EXPECT_EQ(tables.RiskUnits.UnitCount(1), 1);
    EXPECT_EQ(tables.RiskUnits.Labels[1][1], "per Bq");
}

TEST(ReadUnitTables, UnitsComeFromTheRecordsInStoredOrderNotFromTheCountRecord) {
    FixtureDatabase fixture;
    fixture.CreateStandardUnitTables();
    fixture.Execute(R"(UPDATE "Dose Units" SET Factors1 = 99 WHERE ID = 0)");
    const UnitTables tables = ReadUnitTables(*OpenDatabase(fixture.Path()), "Risk Units", "Dose Units");
    EXPECT_EQ(tables.DoseUnits.Factors[1][0], 3) << "the count record's factor field is not read";
    EXPECT_EQ(tables.DoseUnits.Labels[1][1], "Sv/Bq");
}

TEST(ReadUnitTables, MalformedTablesFail) {
    // An even field count, no records, a count beyond the records, a count that is no whole
    // number, a Null factor, no table.
    for (
        const char* setup :
        {R"(CREATE TABLE "Dose Units" (ID, U1, F1, U2))", R"(CREATE TABLE "Dose Units" (ID, U1, F1))",
         R"(CREATE TABLE "Dose Units" (ID, U1, F1); INSERT INTO "Dose Units" VALUES (0, '3', NULL), (1, 'Sv/Bq', 1), (2, 'mSv/Bq', 1000))",
         R"(CREATE TABLE "Dose Units" (ID, U1, F1); INSERT INTO "Dose Units" VALUES (0, 'two', NULL))",
         R"(CREATE TABLE "Dose Units" (ID, U1, F1); INSERT INTO "Dose Units" VALUES (0, '0.5', NULL))",
         R"(CREATE TABLE "Dose Units" (ID, U1, F1); INSERT INTO "Dose Units" VALUES (0, '1', NULL), (1, 'Sv/Bq', NULL))",
         ""}) {
        FixtureDatabase fixture;
        fixture.CreateUnitTable("Risk Units", {{{"per Bq", 1}}});
        if (*setup) fixture.Execute(setup);
        EXPECT_THROW(ReadUnitTables(*OpenDatabase(fixture.Path()), "Risk Units", "Dose Units"), DatabaseError) << setup;
    }
}

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
    FixtureDatabase fixture;
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
        FixtureDatabase fixture;
        fixture.Execute(setup);
        auto database = OpenDatabase(fixture.Path());
        Recordset nuclides = database->OpenTable("Nuke2");
        EXPECT_THROW(ReadNuclideListEntries(nuclides), DatabaseError) << setup;
    }
}

}  // namespace
}  // namespace quorvel

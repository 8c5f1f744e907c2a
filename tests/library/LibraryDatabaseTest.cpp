#include <gtest/gtest.h>

#include <fstream>

#include "FixtureDatabase.h"
#include "Recorders.h"
#include "TalvorLibrary.h"

namespace quorvel {
namespace {

using test::FixtureDatabase;
using test::RecordingPrompt;
using Records = clsTalvorLibrary::Records;
using Strings = std::vector<std::string>;

// A nuclide table beside a system table holding the same values.
class NuclideDatabase : public ::testing::Test {
protected:
    void SetUp() override {
        fixture.Execute("CREATE TABLE Nuclides (ID INTEGER PRIMARY KEY, Nuclide TEXT, HalfLife TEXT)");
        fixture.Insert("Nuclides", {std::int64_t{1}, "Co-60", "5.27 y"});
        fixture.Insert("Nuclides", {std::int64_t{2}, "Cs-137", FieldValue()});
        fixture.Execute("CREATE TABLE MSysObjects (Name TEXT)");
        fixture.Insert("MSysObjects", {"Co-60"});
    }
    FixtureDatabase fixture;
    RecordingPrompt prompt;
};

TEST_F(NuclideDatabase, ScansAndSearchesSkipTheSystemTablesAndQueriesBindTheValue) {
    Strings tables;
    ASSERT_TRUE(clsTalvorLibrary::ScanClosedDatabaseAndReportTableNames(fixture.Path(), tables));
    EXPECT_EQ(tables, Strings{"Nuclides"});
    std::vector<SearchMatch> matches;
    ASSERT_TRUE(clsTalvorLibrary::LookThroughAClosedDatabaseForARecord(fixture.Path(), "Co-60", {}, nullptr, matches));
    EXPECT_EQ(matches, (std::vector<SearchMatch>{{"Nuclides", "Nuclide", 1, "Co-60"}}));

    Records values;
    ASSERT_TRUE(clsTalvorLibrary::QueryTableForASpecificRecordAndReturnCertainFields(
        fixture.Path(), "Nuclides", "Nuclide", "Cs-137", {"HalfLife", "ID"}, values));
    EXPECT_EQ(values, (Records{{"", "2"}}));
    EXPECT_FALSE(clsTalvorLibrary::QueryTableForASpecificRecordAndReturnCertainFields(
        fixture.Path(), "Nuclides", "Nuclide", "x' OR '1'='1", {"ID"}, values));
    EXPECT_TRUE(values.empty());
}

TEST_F(NuclideDatabase, AddedRecordsAreAllOrNone) {
    EXPECT_FALSE(clsTalvorLibrary::AddRecordsToAnExistingTableInAClosedDatabase(
        fixture.Path(), "Nuclides", {"ID", "Nuclide", "HalfLife"}, {{"5", "Sr-90", "28.8 y"}, {"6", "Y-90"}}, prompt))
        << "the second row is one value short";
    Strings names;
    ASSERT_TRUE(clsTalvorLibrary::OpenAClosedDatabaseAndRetrieveAllTheElementsInAField(fixture.Path(), "Nuclides",
                                                                                       "Nuclide", names, nullptr));
    EXPECT_EQ(names, (Strings{"Co-60", "Cs-137"}));
    EXPECT_TRUE(prompt.Messages.empty());
}

TEST(AccessFile, IsReadButNeverWritten) {
    const std::string fruit = std::string(QUORVEL_ACCESS_FIXTURES) + "/fruit_V2000.mdb";
    Strings tables;
    ASSERT_TRUE(clsTalvorLibrary::ScanClosedDatabaseAndReportTableNames(fruit, tables));
    EXPECT_EQ(tables, (Strings{"Fruit", "Fruit Salad", "Veggie Salad", "Muffin/Bread", "Dried"}));

    test::TemporaryFolder folder;
    const std::string path = (folder.Path() / "DoseAndRisk.mdb").string();
    const std::string jet = std::string("\0\1\0\0Standard Jet DB\0", 20) + std::string(2000, '\0');
    std::ofstream(path, std::ios::binary) << jet;
    RecordingPrompt prompt;
    EXPECT_FALSE(clsTalvorLibrary::AddATableToACurrentlyClosedDatabase(path, "T", {"A"}, prompt));
    EXPECT_EQ(prompt.Messages, Strings{"The database " + path +
                                       " is a Microsoft Access file, which this program reads but does not change."});
    EXPECT_EQ(test::ReadBytes(path), jet);
}

}  // namespace
}  // namespace quorvel

#include <gtest/gtest.h>

#include "FixtureDatabase.h"
#include "Recorders.h"
#include "TalvorLibrary.h"

namespace quorvel {
namespace {

using test::FixtureDatabase;
using test::RecordingPrompt;
using test::RecordingStatusBar;
using Records = clsTalvorLibrary::Records;
using Strings = std::vector<std::string>;

// A nuclide table with a primary key, a named index and a Null, a system table holding the
// same values, and a table with an AUTOINCREMENT key (which makes sqlite_sequence).
class NuclideDatabase : public ::testing::Test {
protected:
    void SetUp() override {
        fixture.Execute("CREATE TABLE Nuclides (ID INTEGER PRIMARY KEY, Nuclide TEXT, HalfLife TEXT)");
        fixture.Execute("CREATE INDEX NuclideIndex ON Nuclides (Nuclide)");
        fixture.Insert("Nuclides", {std::int64_t{1}, "Co-60", "5.27 y"});
        fixture.Insert("Nuclides", {std::int64_t{2}, "Cs-137", FieldValue()});
        fixture.Insert("Nuclides", {std::int64_t{3}, "Co-58", "70.9 d"});
        fixture.Insert("Nuclides", {std::int64_t{4}, "Co-60", "again"});
        fixture.Execute("CREATE TABLE MSysObjects (Name TEXT)");
        fixture.Insert("MSysObjects", {"Co-60"});
        fixture.Execute("CREATE TABLE Ages (ID INTEGER PRIMARY KEY AUTOINCREMENT, Age TEXT)");
        fixture.Insert("Ages", {std::int64_t{1}, "Adult"});
        fixture.Insert("Ages", {std::int64_t{2}, "Co-60 child"});
    }

    Strings NuclideColumn() {
        Strings values;
        EXPECT_TRUE(clsTalvorLibrary::OpenAClosedDatabaseAndRetrieveAllTheElementsInAField(fixture.Path(), "Nuclides",
                                                                                           "Nuclide", values, nullptr));
        return values;
    }

    FixtureDatabase fixture;
    RecordingPrompt prompt;
    RecordingStatusBar statusBar;
};

TEST_F(NuclideDatabase, ScansSkipTheSystemTables) {
    Strings tables;
    ASSERT_TRUE(clsTalvorLibrary::ScanClosedDatabaseAndReportTableNames(fixture.Path(), tables));
    EXPECT_EQ(tables, (Strings{"Nuclides", "Ages"}));
    Strings fields;
    ASSERT_TRUE(clsTalvorLibrary::ScanClosedDatabaseTableAndReportFieldNames(fixture.Path(), "Nuclides", fields));
    EXPECT_EQ(fields, (Strings{"ID", "Nuclide", "HalfLife"}));
    EXPECT_FALSE(clsTalvorLibrary::ScanClosedDatabaseTableAndReportFieldNames(fixture.Path(), "Nope", fields));
    EXPECT_FALSE(clsTalvorLibrary::ScanClosedDatabaseAndReportTableNames(fixture.Path() + ".missing", tables));
    EXPECT_TRUE(clsTalvorLibrary::IsSystemTable("MSysACEs"));
    EXPECT_TRUE(clsTalvorLibrary::IsSystemTable("SQLITE_sequence"));
    EXPECT_FALSE(clsTalvorLibrary::IsSystemTable("msys"));
}

TEST_F(NuclideDatabase, AFieldIsReadWholeWithItsProgress) {
    Strings values = {"stale"};
    ASSERT_TRUE(clsTalvorLibrary::OpenAClosedDatabaseAndRetrieveAllTheElementsInAField(fixture.Path(), "Nuclides",
                                                                                       "HalfLife", values, &statusBar));
    EXPECT_EQ(values, (Strings{"5.27 y", "", "70.9 d", "again"}));
    EXPECT_EQ(statusBar.PanelOneTexts(), (Strings{"Opening Database", "1 records of 4.", "2 records of 4.",
                                                  "3 records of 4.", "4 records of 4.", "Finished."}));
    EXPECT_EQ(statusBar.Refreshes, 6);

    ASSERT_TRUE(clsTalvorLibrary::OpenAClosedDatabaseAndRetrieveAllTheElementsInAField(
        fixture.Path(), "SELECT Nuclide FROM Nuclides WHERE Nuclide LIKE 'Co%' ORDER BY ID DESC", "Nuclide", values,
        nullptr));
    EXPECT_EQ(values, (Strings{"Co-60", "Co-58", "Co-60"}));
    EXPECT_FALSE(clsTalvorLibrary::OpenAClosedDatabaseAndRetrieveAllTheElementsInAField(fixture.Path(), "Nuclides",
                                                                                        "Nlet", values, nullptr));
}

TEST_F(NuclideDatabase, OneRecordQueriesBindTheValue) {
    Records values;
    ASSERT_TRUE(clsTalvorLibrary::QueryTableForASpecificRecordAndReturnCertainFields(
        fixture.Path(), "Nuclides", "Nuclide", "Co-60", {"HalfLife", "ID"}, values));
    EXPECT_EQ(values, (Records{{"5.27 y", "1"}, {"again", "4"}}));
    EXPECT_FALSE(clsTalvorLibrary::QueryTableForASpecificRecordAndReturnCertainFields(
        fixture.Path(), "Nuclides", "Nuclide", "x' OR '1'='1", {"ID"}, values));
    EXPECT_TRUE(values.empty());
    EXPECT_FALSE(clsTalvorLibrary::QueryTableForASpecificRecordAndReturnCertainFields(
        fixture.Path(), "Nuclides", "Nuclide", "Co-60", {"Nlet"}, values));

    auto database = OpenDatabase(fixture.Path());
    Strings names;
    ASSERT_TRUE(clsTalvorLibrary::QueryTableForASpecificRecordAndReturnAllFields(*database, "Nuclides", "ID", "2",
                                                                                 values, names));
    EXPECT_EQ(names, (Strings{"ID", "Nuclide", "HalfLife"}));
    EXPECT_EQ(values, (Records{{"2", "Cs-137", ""}}));
    ASSERT_TRUE(clsTalvorLibrary::QueryTableForASpecificRecordAndReturnAllFields(*database, "Nuclides", "Nuclide",
                                                                                 "Sr-90", values, names));
    EXPECT_TRUE(values.empty());
    EXPECT_FALSE(clsTalvorLibrary::QueryTableForASpecificRecordAndReturnAllFields(*database, "Nope", "Nuclide", "Sr-90",
                                                                                  values, names));
}

TEST_F(NuclideDatabase, DeletingByIndexRemovesTheFirstRecordWithTheKey) {
    {
        SqliteDatabase database(fixture.Path(), SqliteDatabase::Mode::ReadWrite);
        EXPECT_TRUE(clsTalvorLibrary::QueryTableForASpecificRecordAndDeleteIt(database, "Nuclides", "NuclideIndex",
                                                                              "Co-60", prompt));
        EXPECT_TRUE(
            clsTalvorLibrary::QueryTableForASpecificRecordAndDeleteIt(database, "Nuclides", "PrimaryKey", "3", prompt));
        EXPECT_TRUE(prompt.Messages.empty());
    }
    EXPECT_EQ(NuclideColumn(), (Strings{"Cs-137", "Co-60"}));
}

TEST_F(NuclideDatabase, TheWholeDatabaseIsSearchedOutsideTheSystemTables) {
    std::vector<SearchMatch> matches;
    ASSERT_TRUE(clsTalvorLibrary::LookThroughAClosedDatabaseForARecord(fixture.Path(), "Co-60", {}, nullptr, matches));
    EXPECT_EQ(matches,
              (std::vector<SearchMatch>{{"Nuclides", "Nuclide", 1, "Co-60"}, {"Nuclides", "Nuclide", 4, "Co-60"}}));

    matches.clear();
    ASSERT_TRUE(clsTalvorLibrary::LookThroughAClosedDatabaseForARecord(
        fixture.Path(), "co-", {SearchMode::Beginning, true}, nullptr, matches));
    EXPECT_EQ(matches, (std::vector<SearchMatch>{{"Nuclides", "Nuclide", 1, "Co-60"},
                                                 {"Nuclides", "Nuclide", 3, "Co-58"},
                                                 {"Nuclides", "Nuclide", 4, "Co-60"},
                                                 {"Ages", "Age", 2, "Co-60 child"}}));

    matches.clear();
    ASSERT_TRUE(clsTalvorLibrary::LookThroughAClosedDatabaseForARecord(fixture.Path(), " d", {SearchMode::End}, nullptr,
                                                                       matches));
    EXPECT_EQ(matches, (std::vector<SearchMatch>{{"Nuclides", "HalfLife", 3, "70.9 d"}}));

    matches.clear();
    EXPECT_TRUE(clsTalvorLibrary::LookThroughAClosedDatabaseForARecord(fixture.Path(), "co-60", {}, nullptr, matches));
    EXPECT_TRUE(matches.empty()) << "case counts unless the settings say otherwise";
    EXPECT_FALSE(clsTalvorLibrary::LookThroughAClosedDatabaseForARecord(fixture.Path() + ".missing", "Co-60", {},
                                                                        nullptr, matches));
}

TEST(AccessFile, IsReadLikeAnSqliteFile) {
    const std::string path = std::string(QUORVEL_ACCESS_FIXTURES) + "/fruit_V2000.mdb";
    Strings tables;
    ASSERT_TRUE(clsTalvorLibrary::ScanClosedDatabaseAndReportTableNames(path, tables));
    EXPECT_EQ(tables, (Strings{"Fruit", "Fruit Salad", "Veggie Salad", "Muffin/Bread", "Dried"}));
    Strings fields;
    ASSERT_TRUE(clsTalvorLibrary::ScanClosedDatabaseTableAndReportFieldNames(path, "Fruit", fields));
    ASSERT_GE(fields.size(), 4U);
    EXPECT_EQ(Strings(fields.begin(), fields.begin() + 4), (Strings{"Fruit", "Fiber", "Fat", "Protien"}));
}

}  // namespace
}  // namespace quorvel

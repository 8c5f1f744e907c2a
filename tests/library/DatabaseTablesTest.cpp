#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "FixtureDatabase.h"
#include "Recorders.h"
#include "TalvorLibrary.h"

namespace quorvel {
namespace {

using test::RecordingPrompt;
using test::TemporaryFolder;
using Records = clsTalvorLibrary::Records;

// Every record of a table as texts, in stored order.
Records ReadAll(const std::string& path, const std::string& table) {
    auto database = OpenDatabase(path);
    Recordset records = database->OpenTable(table);
    Records all;
    for (; !records.IsEOF(); records.MoveNext()) {
        std::vector<std::string> record;
        for (int field = 0; field < records.FieldCount(); ++field) record.push_back(records.Field(field).Text());
        all.push_back(record);
    }
    return all;
}

std::vector<std::string> FieldNames(const std::string& path, const std::string& table) {
    std::vector<std::string> names;
    EXPECT_TRUE(clsTalvorLibrary::ScanClosedDatabaseTableAndReportFieldNames(path, table, names));
    return names;
}

TEST(NewDatabase, ReplacesAnyFileWithOneTableOfTextFields) {
    TemporaryFolder folder;
    const std::string path = (folder.Path() / "new.db").string();
    std::ofstream(path) << "not a database";
    ASSERT_TRUE(clsTalvorLibrary::CreateANewDatabaseWithANewTable(path, "Dose Table", {"Nuclide", "T1/2", "Age"}));
    std::vector<std::string> tables;
    ASSERT_TRUE(clsTalvorLibrary::ScanClosedDatabaseAndReportTableNames(path, tables));
    EXPECT_EQ(tables, std::vector<std::string>{"Dose Table"});
    EXPECT_EQ(FieldNames(path, "Dose Table"), (std::vector<std::string>{"Nuclide", "T1/2", "Age"}));

    // Again over the database just made: the old table is gone with the file.
    ASSERT_TRUE(clsTalvorLibrary::CreateANewDatabaseWithANewTable(path, "Other", {"A"}));
    ASSERT_TRUE(clsTalvorLibrary::ScanClosedDatabaseAndReportTableNames(path, tables));
    EXPECT_EQ(tables, std::vector<std::string>{"Other"});
}

// A database d.db holding the table T (Nuclide, Value), in a folder of its own.
class ExistingDatabase : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(clsTalvorLibrary::CreateANewDatabaseWithANewTable(path, "T", {"Nuclide", "Value"}));
    }
    std::string In(const std::string& name) const { return (folder.Path() / name).string(); }

    TemporaryFolder folder;
    const std::string path = In("d.db");
    RecordingPrompt prompt;
};
using AddedTable = ExistingDatabase;
using AddedRecords = ExistingDatabase;
using GridConversion = ExistingDatabase;

TEST_F(AddedTable, GoesIntoAnExistingDatabaseOnly) {
    EXPECT_TRUE(clsTalvorLibrary::AddATableToACurrentlyClosedDatabase(path, "Second", {"B", "C"}, prompt));
    EXPECT_FALSE(clsTalvorLibrary::AddATableToACurrentlyClosedDatabase(path, "Second", {"D"}, prompt))
        << "exists already";
    EXPECT_FALSE(clsTalvorLibrary::AddATableToACurrentlyClosedDatabase(In("missing.db"), "T", {"A"}, prompt));
    EXPECT_FALSE(std::filesystem::exists(In("missing.db"))) << "adding a table never creates a database";
    EXPECT_TRUE(prompt.Messages.empty());
    std::vector<std::string> tables;
    ASSERT_TRUE(clsTalvorLibrary::ScanClosedDatabaseAndReportTableNames(path, tables));
    EXPECT_EQ(tables, (std::vector<std::string>{"T", "Second"}));
    EXPECT_EQ(FieldNames(path, "Second"), (std::vector<std::string>{"B", "C"}));
}

TEST_F(AddedRecords, SetTheNamedFieldsOfEveryRow) {
    EXPECT_TRUE(clsTalvorLibrary::AddRecordsToAnExistingTableInAClosedDatabase(
        path, "T", {"Value", "Nuclide"}, {{"1.23E-04", "O'Brien-1"}, {"", "Co-60"}}, prompt));
    EXPECT_TRUE(prompt.Messages.empty());
    EXPECT_EQ(ReadAll(path, "T"), (Records{{"O'Brien-1", "1.23E-04"}, {"Co-60", ""}}));
}

TEST_F(AddedRecords, AreAllOrNoneAndFailQuietlyOnOtherErrors) {
    EXPECT_FALSE(clsTalvorLibrary::AddRecordsToAnExistingTableInAClosedDatabase(path, "T", {"Nuclide", "Value"},
                                                                                {{"Co-60", "1"}, {"Cs-137"}}, prompt))
        << "the second row is one value short";
    EXPECT_TRUE(ReadAll(path, "T").empty()) << "the first row is not kept";
    EXPECT_FALSE(clsTalvorLibrary::AddRecordsToAnExistingTableInAClosedDatabase(path, "Nope", {"A"}, {{"x"}}, prompt));
    EXPECT_FALSE(
        clsTalvorLibrary::AddRecordsToAnExistingTableInAClosedDatabase(In("missing.db"), "T", {"A"}, {{"x"}}, prompt));
    EXPECT_TRUE(prompt.Messages.empty());
}

FlexGrid ResultGrid() {
    FlexGrid grid(3, 4);
    const Records texts = {
        {"", "Nuclide", "Adult", "Notes"}, {"1", "Co-60", "1.23E-04", "x"}, {"2", "Cs-137", "4.56E-05", "y"}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c)
            grid.SetTextMatrix(r, c, texts[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]);
    return grid;
}

TEST_F(GridConversion, WritesTheCellsOfTheKeptColumnsWithTheHeaderAsNames) {
    EXPECT_TRUE(
        clsTalvorLibrary::ConvertMSFlexGridResultsToAccessDatabase(ResultGrid(), path, "Grid", true, 1, prompt));
    EXPECT_EQ(FieldNames(path, "Grid"), (std::vector<std::string>{"Nuclide", "Adult"}));
    EXPECT_EQ(ReadAll(path, "Grid"), (Records{{"Co-60", "1.23E-04"}, {"Cs-137", "4.56E-05"}}));
    EXPECT_TRUE(prompt.Messages.empty());
}

TEST(AccessFile, IsNeverWritten) {
    TemporaryFolder folder;
    const std::string path = (folder.Path() / "DoseAndRisk.mdb").string();
    const std::string jet = std::string("\0\1\0\0Standard Jet DB\0", 20) + std::string(2000, '\0');
    std::ofstream(path, std::ios::binary) << jet;
    const std::string message =
        "The database " + path + " is a Microsoft Access file, which this program reads but does not change.";
    RecordingPrompt prompt;
    EXPECT_FALSE(clsTalvorLibrary::AddATableToACurrentlyClosedDatabase(path, "T", {"A"}, prompt));
    EXPECT_FALSE(clsTalvorLibrary::AddRecordsToAnExistingTableInAClosedDatabase(path, "T", {"A"}, {{"x"}}, prompt));
    EXPECT_FALSE(
        clsTalvorLibrary::ConvertMSFlexGridResultsToAccessDatabase(ResultGrid(), path, "Grid", true, 0, prompt));
    EXPECT_EQ(prompt.Messages, (std::vector<std::string>{message, message, message}));
    std::ifstream file(path, std::ios::binary);
    const std::string content((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_EQ(content, jet);
}

}  // namespace
}  // namespace quorvel

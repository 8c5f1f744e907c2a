// The utility library: the check of a chosen file name, the databases it reads and adds
// to, a recordset placed into a grid and the centring of a form.
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "FixtureDatabase.h"
#include "GridLayout.h"
#include "Recorders.h"
#include "TalvorLibrary.h"

namespace quorvel {
namespace {

using test::FixtureDatabase;
using test::RecordingPrompt;
using test::TemporaryFolder;
using Records = clsTalvorLibrary::Records;
using Strings = std::vector<std::string>;

const char* const ReadGeneralMessage =
    "An error has occured in checking the selected csv file.  Please check the format of the file and file path "
    "and retry or make sure no other application is using it.";

std::string WriteGeneralMessage(const std::string& number) {
    return "An error (" + number +
           ") has occured in checking the selected file.  Please check the format of the file and file path and "
           "retry or make sure no other application is using it.";
}

// The situations a chosen name can be in, made in a folder of their own.
class FileNameCheck : public ::testing::Test {
protected:
    void SetUp() override {
        existing = (folder.Path() / "table.csv").string();
        std::ofstream(existing) << "\"Co-60\",1.23E-04\r\n";
        missing = (folder.Path() / "absent.csv").string();
        throughAFile = existing + "/inner.csv";
        aFolder = folder.Path().string();
        tooLong = (folder.Path() / std::string(300, 'x')).string();
        loop = (folder.Path() / "loop").string();
        std::filesystem::create_symlink("loop", loop);
        socketPath = (folder.Path() / "socket").string();
        socketFd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, socketPath.c_str(), sizeof address.sun_path - 1);
        ASSERT_EQ(::bind(socketFd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    }
    void TearDown() override { ::close(socketFd); }

    bool Check(const std::string& kind, const std::string& name, bool initial = false) {
        bool acceptable = initial;
        clsTalvorLibrary::CheckTheFileName(kind, name, acceptable, prompt);
        return acceptable;
    }

    TemporaryFolder folder;
    RecordingPrompt prompt;
    std::string existing, missing, throughAFile, aFolder, tooLong, loop, socketPath;
    int socketFd = -1;
};

// A file to read that opens, a new file to write and other kinds pass without a word. A file
// to read says why it cannot be read; a file to write, other than one that exists (which is
// replaced only after Yes), says so with the number of its failure.
TEST_F(FileNameCheck, ANameThatCannotServeIsExplained) {
    EXPECT_TRUE(Check("csv", existing));
    EXPECT_TRUE(Check("plv", missing));
    EXPECT_TRUE(Check("plv", tooLong));
    EXPECT_TRUE(Check("txt", missing, true)) << "another kind leaves the answer as it was";
    EXPECT_FALSE(Check("CSV", existing, false)) << "kinds are told apart by case";
    EXPECT_TRUE(prompt.Messages.empty());
    const std::string invalid = "The ascii file name you selected was invalid. Try again.";
    const std::string notFound = "The ascii file you selected was not found.";
    const std::string device = "Device is not available. Try again.";
    const std::vector<std::vector<std::string>> cases = {
        {"csv", "", invalid},
        {"csv", tooLong, invalid},
        {"csv", missing, notFound},
        {"csv", throughAFile, notFound},
        {"csv", aFolder, notFound},
        {"csv", socketPath, device},
        {"csv", loop, ReadGeneralMessage},
        {"plv", throughAFile, WriteGeneralMessage("20")},
        {"plv", aFolder, WriteGeneralMessage("21")},
        {"plv", loop, WriteGeneralMessage("40")},
        {"plv", socketPath, device},
    };
    for (const auto& c : cases) {
        prompt.Messages.clear();
        EXPECT_FALSE(Check(c[0], c[1], true)) << c[1];
        EXPECT_EQ(prompt.Messages, std::vector<std::string>{c[2]}) << c[0] << " " << c[1];
    }
    EXPECT_TRUE(prompt.Questions.empty());

    prompt.Answers = {PromptAnswer::Yes, PromptAnswer::No};
    EXPECT_TRUE(Check("plv", existing));
    EXPECT_FALSE(Check("plv", existing, true));
    const std::string question = "A Plover file with this name already exists.  Do you want to replace it?";
    EXPECT_EQ(prompt.Questions, (std::vector<std::string>{question, question}));
}

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

TEST(RecordSetGrid, HoldsTheNamesAndOneRowPerRecord) {
    Recordset records({"Nuclide", "Value"},
                      {{FieldValue("Co-60"), FieldValue(1.5)}, {FieldValue("Cs-137"), FieldValue()}});
    records.MoveNext();  // the grid starts from the first record wherever the recordset stands
    FlexGrid grid(5, 5);
    grid.SetTextMatrix(4, 4, "old");
    grid.SetCellFontBold(true);
    ASSERT_TRUE(clsTalvorLibrary::PlaceRecordSetIntoAMSFlexGrid(records, grid, 1, 1));
    EXPECT_EQ(test::DescribeGrid(grid), "Nuclide|Value\nCo-60|1.5\nCs-137|\n") << "names, values, no bold cell";
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(grid.FixedCols(), 1);

    ASSERT_TRUE(clsTalvorLibrary::PlaceRecordSetIntoAMSFlexGrid(records, grid, 9, 9));
    EXPECT_EQ(grid.FixedRows(), 3) << "as far as the grid's size allows";
    EXPECT_EQ(grid.FixedCols(), 2);

    Recordset empty({"A"}, {});
    ASSERT_TRUE(clsTalvorLibrary::PlaceRecordSetIntoAMSFlexGrid(empty, grid, 0, -1));
    EXPECT_EQ(test::DescribeGrid(grid), "A\n");
    EXPECT_EQ(grid.FixedRows(), 0);
}

TEST(FormCentring, CentresAndNeverLeavesTheScreenAtTheTopOrLeft) {
    EXPECT_EQ(clsTalvorLibrary::CenterTheForm({19200, 10800}, {9600, 7200}), (FormPlacement{4800, 1800}));
    EXPECT_EQ(clsTalvorLibrary::CenterTheForm({9600, 7200}, {12000, 6000}), (FormPlacement{0, 600}));
    EXPECT_EQ(clsTalvorLibrary::CenterTheForm({9600, 7200}, {4800, 9000}), (FormPlacement{2400, 0}));
    EXPECT_EQ(CentredFormPlacement({100, 100}, {101, 99}), (FormPlacement{0, 0.5}));
}

}  // namespace
}  // namespace quorvel

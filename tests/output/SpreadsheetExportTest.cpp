// Handing the grid to a spreadsheet program: the sequence of calls, the .xlsx file read
// back, and the message when anything fails.

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <stdexcept>
#include <string>
#include <vector>

#include "FixtureDatabase.h"
#include "FlexGrid.h"
#include "OutputTestSupport.h"
#include "SpreadsheetExport.h"

namespace {

using quorvel::ExportToExcel;
using quorvel::FlexGrid;
using quorvel::XlsxSpreadsheetApplication;
using quorvel::test::RecordingPrompt;
using quorvel::testing::GridOf;
using quorvel::testing::RunCommand;
namespace fs = std::filesystem;

// ---------------------------------------------------------------------------------------
// The sequence of calls

class RecordingApplication : public quorvel::SpreadsheetApplication {
public:
    std::vector<std::string> Calls;
    std::string FailAt;  // a call that throws
    void StartHidden() override { Record("start hidden"); }
    void SetCellValue(int row, int col, const std::string& text) override {
        Record("cell " + std::to_string(row) + " " + std::to_string(col) + " " + text);
    }
    void MakeVisible() override { Record("make visible"); }
    void Release() override { Calls.push_back("release"); }

private:
    void Record(const std::string& call) {
        Calls.push_back(call);
        if (call == FailAt) throw std::runtime_error("refused: " + call);
    }
};

// The calls stop at the failing one, the workbook is released and never shown.
TEST(ExportToExcelTest, FailureShowsItsCauseAndTheWorkbookIsNeverShown) {
    RecordingApplication application;
    application.FailAt = "cell 2 1 c";
    RecordingPrompt prompt;
    ExportToExcel(GridOf({{"a", "b"}, {"c", "d"}}), application, prompt);
    EXPECT_EQ(application.Calls,
              (std::vector<std::string>{"start hidden", "cell 1 1 a", "cell 1 2 b", "cell 2 1 c", "release"}));
    EXPECT_EQ(prompt.Messages, std::vector<std::string>{"An error (refused: cell 2 1 c) has occured while attempting "
                                                        "to export to Excel. Terminating."});
}

// ---------------------------------------------------------------------------------------
// The .xlsx workbook

std::string Unescape(std::string text) {
    const std::vector<std::pair<std::string, std::string>> entities = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
    for (const auto& [entity, character] : entities)
        for (std::size_t at; (at = text.find(entity)) != std::string::npos;) text.replace(at, entity.size(), character);
    return text;
}

// Cell reference ("A1") to its text, from the first sheet and the shared strings.
std::map<std::string, std::string> ReadCells(const std::string& xlsx, std::string& dimension) {
    const std::string strings = RunCommand("unzip -p '" + xlsx + "' xl/sharedStrings.xml");
    const std::string sheet = RunCommand("unzip -p '" + xlsx + "' xl/worksheets/sheet1.xml");
    std::vector<std::string> shared;
    const std::regex stringItem("<si><t(?: [^>]*)?>([^<]*)</t></si>");
    for (auto it = std::sregex_iterator(strings.begin(), strings.end(), stringItem); it != std::sregex_iterator(); ++it)
        shared.push_back(Unescape((*it)[1]));
    std::smatch match;
    if (std::regex_search(sheet, match, std::regex("<dimension ref=\"([^\"]*)\"/>"))) dimension = match[1];
    std::map<std::string, std::string> cells;
    const std::regex cell("<c r=\"([A-Z]+[0-9]+)\"([^>]*)>(?:<v>([^<]+)</v>)?</c>|<c r=\"([A-Z]+[0-9]+)\"[^>]*/>");
    for (auto it = std::sregex_iterator(sheet.begin(), sheet.end(), cell); it != std::sregex_iterator(); ++it) {
        const auto& m = *it;
        if (m[4].matched) {
            cells[m[4]] = "(no value)";
        } else if (m[2].str().find("t=\"s\"") != std::string::npos && m[3].matched) {
            cells[m[1]] = shared.at(std::stoul(m[3]));
        } else if (m[2].str().find("t=") == std::string::npos && m[2].str().find(" s=") != std::string::npos &&
                   m[3].matched) {
            cells[m[1]] = "number " + m[3].str();  // a number with a format of its own
        } else {
            cells[m[1]] = "(neither text nor formatted number)";
        }
    }
    return cells;
}

class XlsxExportTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (std::system("unzip -v >/dev/null 2>&1") != 0) GTEST_SKIP() << "unzip is not installed";
    }
    void TearDown() override {
        for (const auto& path : opener_.Opened) fs::remove_all(fs::path(path).parent_path());
    }
    quorvel::test::RecordingOpener opener_;
    RecordingPrompt prompt_;
};

TEST_F(XlsxExportTest, ThreeByFourGridFillsA1ToD3WithItsTextsAndLeavesEmptyCellsEmpty) {
    const FlexGrid grid = GridOf({{"Organ", "Adult", "15-year", "Units = Sv/Bq"},
                                  {"Lung", "1.23E-05", "9.88E02", "a,b"},
                                  {"<Bone & \"marrow\">", " spaced ", "", "\xC2\xB5Sv"}});
    XlsxSpreadsheetApplication application(opener_);
    ExportToExcel(grid, application, prompt_);
    EXPECT_TRUE(prompt_.Messages.empty());
    ASSERT_EQ(opener_.Opened.size(), 1U);
    const fs::path file = opener_.Opened[0];
    EXPECT_EQ(file.extension(), ".xlsx");
    EXPECT_TRUE(fs::exists(file));
    EXPECT_EQ(file.parent_path().parent_path(), fs::temp_directory_path());
    EXPECT_EQ(application.SavedPath(), file.string());
    std::string dimension;
    const auto cells = ReadCells(file.string(), dimension);
    EXPECT_EQ(dimension, "A1:D3");
    const std::map<std::string, std::string> expected = {
        {"A1", "Organ"},         {"B1", "Adult"},     {"C1", "15-year"},
        {"D1", "Units = Sv/Bq"}, {"A2", "Lung"},      {"B2", "number 1.23E-05"},
        {"C2", "number 988"},    {"D2", "a,b"},       {"A3", "<Bone & \"marrow\">"},
        {"B3", " spaced "},      {"D3", "\xC2\xB5Sv"}};
    EXPECT_EQ(cells, expected);
}

// Folders made here, not the exports of whoever else uses the temporary folder.
TEST(ExportFolders, OnlyAnOldExportNoSpreadsheetHoldsOpenIsRemoved) {
    const quorvel::test::TemporaryFolder temporary;
    const auto make = [&](const std::string& name, const std::string& file, std::chrono::minutes age) {
        const fs::path folder = temporary.Path() / name;
        fs::create_directory(folder);
        quorvel::test::WriteBytes(folder / file, "x");
        fs::last_write_time(folder, fs::file_time_type::clock::now() - age);
        return folder;
    };
    const fs::path read = make("quorvel-export-read", "Coefficients.xlsx", std::chrono::minutes(120));
    const std::vector<fs::path> kept = {
        make("quorvel-export-fresh", "Coefficients.xlsx", std::chrono::minutes(2)),
        make("quorvel-export-libreoffice", ".~lock.Coefficients.xlsx#", std::chrono::minutes(120)),
        make("quorvel-export-office", "~$Coefficients.xlsx", std::chrono::minutes(120)),
        make("another-program", "Coefficients.xlsx", std::chrono::minutes(120))};
    quorvel::test::WriteBytes(temporary.Path() / "quorvel-export-file", "not a folder");
    quorvel::RemoveEarlierExportFolders(temporary.Path(), std::chrono::minutes(10));
    EXPECT_FALSE(fs::exists(read));
    for (const fs::path& folder : kept) EXPECT_TRUE(fs::exists(folder)) << folder;
    EXPECT_TRUE(fs::exists(temporary.Path() / "quorvel-export-file"));
}

TEST_F(XlsxExportTest, OpenerFailureShowsTheCause) {
    opener_.Fail = true;
    XlsxSpreadsheetApplication application(opener_);
    ExportToExcel(GridOf({{"a", "b"}}), application, prompt_);
    EXPECT_EQ(prompt_.Messages,
              std::vector<std::string>{"An error (no spreadsheet program found) has occured while attempting to "
                                       "export to Excel. Terminating."});
    EXPECT_TRUE(application.SavedPath().empty());
}

}  // namespace

// Writing the grid to a comma-separated text file, byte for byte, and failing visibly.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "FlexGrid.h"
#include "RecordingPrinterSurface.h"
#include "TextExport.h"

namespace {

using quorvel::FlexGrid;
using quorvel::WriteTheContentOfMSFlexGridToAsciiFile;
using quorvel::testing::RecordingPrompt;
namespace fs = std::filesystem;

const std::string ErrorMessage =
    "Error writing to the output file.  Make sure the file is not in use by another application.";

FlexGrid GridOf(const std::vector<std::vector<std::string>>& rows) {
    FlexGrid grid(static_cast<int>(rows.size()), rows.empty() ? 0 : static_cast<int>(rows.front().size()));
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            grid.SetTextMatrix(static_cast<int>(r), static_cast<int>(c), rows[r][c]);
    return grid;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class TextExportTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("quorvel-text-export-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path folder_;
    RecordingPrompt prompt_;
};

TEST_F(TextExportTest, EdgeCasesAreWrittenByteForByte) {
    const fs::path file = folder_ / "table";  // no extension is added
    const FlexGrid grid = GridOf({{"abc", "", "", ""},
                                  {"", "1,234", "", "x"},
                                  {"1,234", "q\"uote", "", ""},
                                  {"Lung", "1.20E-09", "", "2.00E-10"}});
    EXPECT_TRUE(WriteTheContentOfMSFlexGridToAsciiFile(grid, file.string(), prompt_));
    EXPECT_EQ(ReadFile(file),
              "\"abc\",,,\r\n"
              "\"\",\"1,234\",,x\r\n"
              "\"1,234\",q\"uote,,\r\n"
              "\"Lung\",1.20E-09,,2.00E-10\r\n");
    EXPECT_TRUE(prompt_.Messages.empty());
    EXPECT_EQ(fs::directory_iterator(folder_)->path().filename(), "table");
}

TEST_F(TextExportTest, OneCellGivesFiveCharactersAndCrLf) {
    const fs::path file = folder_ / "one.txt";
    EXPECT_TRUE(WriteTheContentOfMSFlexGridToAsciiFile(GridOf({{"abc"}}), file.string(), prompt_));
    EXPECT_EQ(ReadFile(file), "\"abc\"\r\n");
}

TEST_F(TextExportTest, GridWithoutRowsReplacesTheFileWithAnEmptyOne) {
    const fs::path file = folder_ / "old.txt";
    std::ofstream(file) << "earlier content\n";
    EXPECT_TRUE(WriteTheContentOfMSFlexGridToAsciiFile(FlexGrid(0, 3), file.string(), prompt_));
    EXPECT_TRUE(fs::exists(file));
    EXPECT_EQ(fs::file_size(file), 0U);
    EXPECT_TRUE(prompt_.Messages.empty());
}

TEST_F(TextExportTest, ExistingLongerFileIsTruncated) {
    const fs::path file = folder_ / "old.txt";
    std::ofstream(file) << std::string(500, 'x');
    EXPECT_TRUE(WriteTheContentOfMSFlexGridToAsciiFile(GridOf({{"a", "b"}}), file.string(), prompt_));
    EXPECT_EQ(ReadFile(file), "\"a\",b\r\n");
}

TEST_F(TextExportTest, MissingFolderIsReported) {
    const fs::path file = folder_ / "no such folder" / "table.txt";
    EXPECT_FALSE(WriteTheContentOfMSFlexGridToAsciiFile(GridOf({{"abc"}}), file.string(), prompt_));
    EXPECT_EQ(prompt_.Messages, std::vector<std::string>{ErrorMessage});
    EXPECT_FALSE(fs::exists(file));
}

TEST_F(TextExportTest, FolderInPlaceOfTheFileIsReportedAndLeftAlone) {
    const fs::path folder = folder_ / "a folder";
    fs::create_directory(folder);
    EXPECT_FALSE(WriteTheContentOfMSFlexGridToAsciiFile(GridOf({{"abc"}}), folder.string(), prompt_));
    EXPECT_EQ(prompt_.Messages, std::vector<std::string>{ErrorMessage});
    EXPECT_TRUE(fs::is_directory(folder));
}

TEST_F(TextExportTest, AFolderNobodyCanWriteIntoIsReported) {
    // Root may write anywhere on an ordinary disk, but not into /proc.
    if (!fs::is_directory("/proc/self")) GTEST_SKIP() << "/proc is not mounted here";
    EXPECT_FALSE(WriteTheContentOfMSFlexGridToAsciiFile(GridOf({{"abc"}}), "/proc/self/table.txt", prompt_));
    EXPECT_EQ(prompt_.Messages, std::vector<std::string>{ErrorMessage});
}

TEST_F(TextExportTest, FullDiskIsReported) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "/dev/full is not available here";
    FlexGrid grid(2000, 10);
    for (int r = 0; r < grid.Rows(); ++r)
        for (int c = 0; c < grid.Cols(); ++c) grid.SetTextMatrix(r, c, "1.23E-04");
    EXPECT_FALSE(WriteTheContentOfMSFlexGridToAsciiFile(grid, "/dev/full", prompt_));
    EXPECT_EQ(prompt_.Messages, std::vector<std::string>{ErrorMessage});
    // A small text that only fails when it is flushed at the close is reported too.
    RecordingPrompt small;
    EXPECT_FALSE(WriteTheContentOfMSFlexGridToAsciiFile(GridOf({{"abc"}}), "/dev/full", small));
    EXPECT_EQ(small.Messages, std::vector<std::string>{ErrorMessage});
}

}  // namespace

// The grid's texts for a text file (comma-separated) and for the clipboard (tab-separated);
// copying a block to the clipboard on Ctrl+C or the toolbar; writing the text file, byte for
// byte, and failing visibly; the name a Save dialog offers.

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "FileNameSuggestion.h"
#include "FilePermissionsApply.h"
#include "FileSizeLimit.h"
#include "FixtureDatabase.h"
#include "FlexGrid.h"
#include "GridCopyPaste.h"
#include "GridText.h"
#include "OutputTestSupport.h"
#include "TextExport.h"

namespace {

using quorvel::clsGridCopyPaste;
using quorvel::FlexGrid;
using quorvel::FormatBlockAsClipboardText;
using quorvel::FormatGridAsCommaSeparatedText;
using quorvel::WriteTheContentOfMSFlexGridToAsciiFile;
using quorvel::test::ReadBytes;
using quorvel::test::RecordingClipboard;
using quorvel::test::RecordingPrompt;
using quorvel::testing::GridOf;
using quorvel::testing::NamedCells;
namespace fs = std::filesystem;
using Messages = std::vector<std::string>;

// ---------------------------------------------------------------------------------------
// Comma-separated text

// The first column is always quoted and never escaped; further cells are quoted only when
// they hold a comma; an empty cell adds nothing after its comma; every line ends in CR LF.
TEST(CommaSeparatedTextTest, QuotesTheFirstColumnAndCellsWithACommaOnly) {
    const FlexGrid grid = GridOf({{"Lung", "1.20E-09", "1,234", "q\"uote"},
                                  {"", ",", "he said \"a,b\"", " spaced "},
                                  {"say \"hi\"", "", "", "a;b\tc"},
                                  {"a,\"b\"", "", "x", ""}});
    EXPECT_EQ(FormatGridAsCommaSeparatedText(grid),
              "\"Lung\",1.20E-09,\"1,234\",q\"uote\r\n"
              "\"\",\",\",\"he said \"a,b\"\", spaced \r\n"
              "\"say \"hi\"\",,,a;b\tc\r\n"
              "\"a,\"b\"\",,x,\r\n");
}

// ---------------------------------------------------------------------------------------
// Clipboard text

// Names a desktop can store and a user can read: no separators or wildcards, no hidden file,
// a long name cut between words or, for one long word, between characters.
TEST(SuggestedFileNameTest, SaysWhatIsWrittenInANameEveryDesktopCanHold) {
    using quorvel::SuggestedFileName;
    EXPECT_EQ(SuggestedFileName({"Cs-137", "Ingestion", "Risk", ""}, ".pdf"), "Cs-137 Ingestion Risk.pdf");
    EXPECT_EQ(SuggestedFileName({"Sv/Bq: a*b?\"c\"<d>|e\\f\tg"}, ".csv"), "Sv Bq a b c d e f g.csv");
    EXPECT_EQ(SuggestedFileName({" . .hidden", "name. "}, ".txt"), "hidden name.txt");
    EXPECT_EQ(SuggestedFileName({"", "/"}, ".png"), "Untitled.png");
    const std::string words = SuggestedFileName(std::vector<std::string>(40, "Adult"), ".csv");
    EXPECT_LE(words.size(), 100u + 4);
    EXPECT_TRUE(words.ends_with("Adult.csv")) << words;
    std::string micro;
    for (int i = 0; i < 80; ++i) micro += "\xC2\xB5";  // one word of 80 two-byte characters
    const std::string cut = SuggestedFileName({micro}, "");
    EXPECT_EQ(cut, micro.substr(0, cut.size()));
    EXPECT_TRUE(cut.size() % 2 == 0 && cut.size() >= 90) << cut.size();
}

TEST(ClipboardTextTest, BlockJoinsCellsByTabsAndRowsByALineFeedNeitherQuotedNorEscaped) {
    const FlexGrid grid = NamedCells(4, 5);
    EXPECT_EQ(FormatBlockAsClipboardText(grid, 1, 2, 1, 3), "r1c1\tr1c2\tr1c3\nr2c1\tr2c2\tr2c3");
    EXPECT_EQ(FormatBlockAsClipboardText(grid, 0, 2, 4, 4), "r0c4\nr1c4\nr2c4");
    const FlexGrid texts = GridOf({{"1,234", "say \"hi\"", "tab\there"}, {"line\rbreak", "", "x"}});
    EXPECT_EQ(FormatBlockAsClipboardText(texts, 0, 1, 0, 2), "1,234\tsay \"hi\"\ttab\there\nline\rbreak\t\tx");
}

// ---------------------------------------------------------------------------------------
// Copying to the clipboard

constexpr int Ctrl = 17;
constexpr int C = 67;
constexpr int Shift = 16;

// Cells named "r<row>c<col>", one a number and one empty.
FlexGrid CopiedCells() {
    FlexGrid grid = NamedCells(4, 5);
    grid.SetTextMatrix(2, 3, "1.2E-05");
    grid.SetTextMatrix(1, 2, "");
    return grid;
}

class GridCopyPasteTest : public ::testing::Test {
protected:
    GridCopyPasteTest() { copier_.SetMSFlexGrid(grid_); }
    FlexGrid grid_ = CopiedCells();
    RecordingClipboard clipboard_;
    RecordingPrompt prompt_;
    clsGridCopyPaste copier_{clipboard_, prompt_};
};

TEST_F(GridCopyPasteTest, ToolbarCopiesTheBlockWithTabsAndLoneCarriageReturns) {
    copier_.CopyContentsFromToolbarClick(1, 2, 1, 3);
    EXPECT_EQ(clipboard_.Calls, (std::vector<std::string>{"clear", "text r1c1\t\tr1c3\nr2c1\tr2c2\t1.2E-05"}));
    EXPECT_TRUE(prompt_.Messages.empty());
}

TEST_F(GridCopyPasteTest, CtrlThenCCopiesUntilCtrlIsReleased) {
    copier_.KeyDownResponse(Ctrl, 0, 0, 0, 0);
    EXPECT_TRUE(clipboard_.Calls.empty());
    copier_.KeyDownResponse(C, 0, 1, 0, 0);
    EXPECT_EQ(clipboard_.Calls, (std::vector<std::string>{"clear", "text r0c0\nr1c0"}));
    copier_.KeyUpResponse(C);
    copier_.KeyDownResponse(C, 3, 3, 4, 4);  // Ctrl still held
    EXPECT_EQ(clipboard_.Calls.size(), 4U);
    EXPECT_EQ(clipboard_.Calls.back(), "text r3c4");
    copier_.KeyUpResponse(Ctrl);
    copier_.KeyDownResponse(C, 0, 0, 0, 0);
    EXPECT_EQ(clipboard_.Calls.size(), 4U);
}

TEST_F(GridCopyPasteTest, ClipboardFailureIsReportedAfterTheClear) {
    clipboard_.RefuseText = true;
    copier_.CopyContentsFromToolbarClick(0, 0, 0, 0);
    EXPECT_EQ(clipboard_.Calls, std::vector<std::string>{"clear"});
    EXPECT_EQ(prompt_.Messages,
              std::vector<std::string>{"Error (the clipboard is held by another program) while copying to "
                                       "clipboard. Copy terminating."});
}

// ---------------------------------------------------------------------------------------
// The text file

const std::string ErrorMessage =
    "Error writing to the output file.  Make sure the file is not in use by another application.";

// The fixed text, then the system's cause on a line of its own.
std::string Reported(const std::string& cause) { return ErrorMessage + "\n" + cause; }

class TextExportTest : public ::testing::Test {
protected:
    quorvel::test::TemporaryFolder folder_;
    RecordingPrompt prompt_;
};

TEST_F(TextExportTest, TheTextIsWrittenByteForByteUnderTheNameAsGiven) {
    const fs::path file = folder_.Path() / "table";  // no extension is added
    EXPECT_TRUE(WriteTheContentOfMSFlexGridToAsciiFile(GridOf({{"abc", "", "1,234"}, {"1,2", "q\"uote", ""}}),
                                                       file.string(), prompt_));
    EXPECT_EQ(ReadBytes(file), "\"abc\",,\"1,234\"\r\n\"1,2\",q\"uote,\r\n");
    EXPECT_TRUE(prompt_.Messages.empty());
    EXPECT_EQ(fs::directory_iterator(folder_.Path())->path().filename(), "table");
}

TEST_F(TextExportTest, AFileThatCannotBeMadeIsReported) {
    const fs::path folder = folder_.Path() / "a folder";
    fs::create_directory(folder);
    // Root may write anywhere on an ordinary disk, but not into /proc.
    for (const fs::path& file :
         {folder_.Path() / "no such folder" / "table.txt", folder, fs::path("/proc/self/t.txt")}) {
        SCOPED_TRACE(file);
        RecordingPrompt prompt;
        EXPECT_FALSE(WriteTheContentOfMSFlexGridToAsciiFile(GridOf({{"abc"}}), file.string(), prompt));
        ASSERT_EQ(prompt.Messages.size(), 1U);
        EXPECT_TRUE(prompt.Messages[0].starts_with(ErrorMessage + "\n")) << prompt.Messages[0];
        EXPECT_GT(prompt.Messages[0].size(), ErrorMessage.size() + 1) << "the cause is named";
        if (file.filename() == "table.txt") {
            EXPECT_EQ(prompt.Messages[0], Reported("No such file or directory"));
        }
    }
    EXPECT_FALSE(fs::exists(folder_.Path() / "no such folder"));
    EXPECT_TRUE(fs::is_directory(folder)) << "a folder in place of the file is left alone";
}

FlexGrid LargeGrid() {
    FlexGrid grid(2000, 10);
    for (int r = 0; r < grid.Rows(); ++r)
        for (int c = 0; c < grid.Cols(); ++c) grid.SetTextMatrix(r, c, "1.23E-04");
    return grid;
}

std::vector<std::string> FileNames(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    return names;
}

TEST_F(TextExportTest, AWriteThatFailsHalfWayLeavesTheFileItWasToReplace) {
    const fs::path file = folder_.Path() / "table.txt";
    std::ofstream(file) << "the table saved yesterday\r\n";
    {
        const quorvel::test::FileSizeLimit fullDisk(4096);
        EXPECT_FALSE(WriteTheContentOfMSFlexGridToAsciiFile(LargeGrid(), file.string(), prompt_));
    }
    EXPECT_EQ(prompt_.Messages, Messages{Reported("File too large")});
    EXPECT_EQ(ReadBytes(file), "the table saved yesterday\r\n");
    EXPECT_EQ(FileNames(folder_.Path()), std::vector<std::string>{"table.txt"}) << "nothing is left behind";

    // Nor is a new file left half written.
    {
        const quorvel::test::FileSizeLimit fullDisk(4096);
        EXPECT_FALSE(
            WriteTheContentOfMSFlexGridToAsciiFile(LargeGrid(), (folder_.Path() / "new.txt").string(), prompt_));
    }
    EXPECT_EQ(FileNames(folder_.Path()), std::vector<std::string>{"table.txt"});
}

TEST_F(TextExportTest, AReplacedFileKeepsItsPermissionsAndALinkStaysALink) {
    const fs::path real = folder_.Path() / "real.txt";
    const fs::path link = folder_.Path() / "link.txt";
    std::ofstream(real) << "old";
    const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(real, mode);
    fs::create_symlink(real.filename(), link);
    EXPECT_TRUE(WriteTheContentOfMSFlexGridToAsciiFile(GridOf({{"a", "b"}}), link.string(), prompt_));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadBytes(real), "\"a\",b\r\n");
    EXPECT_EQ(fs::status(real).permissions(), mode);

    const fs::path dangling = folder_.Path() / "dangling.txt";
    fs::create_symlink("made-through-the-link.txt", dangling);
    EXPECT_TRUE(WriteTheContentOfMSFlexGridToAsciiFile(GridOf({{"c"}}), dangling.string(), prompt_));
    EXPECT_TRUE(fs::is_symlink(dangling));
    EXPECT_EQ(ReadBytes(folder_.Path() / "made-through-the-link.txt"), "\"c\"\r\n");
    EXPECT_TRUE(prompt_.Messages.empty());
}

TEST_F(TextExportTest, InAReadOnlyFolderOnlyAWritableFileThereCanBeWritten) {
    const fs::path folder = folder_.Path() / "read-only";
    fs::create_directory(folder);
    std::ofstream(folder / "writable.txt") << "old";
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    {
        const quorvel::test::FilePermissionsApply asAnyUser;
        EXPECT_TRUE(
            WriteTheContentOfMSFlexGridToAsciiFile(GridOf({{"a"}}), (folder / "writable.txt").string(), prompt_));
        EXPECT_TRUE(prompt_.Messages.empty());
        EXPECT_FALSE(WriteTheContentOfMSFlexGridToAsciiFile(GridOf({{"a"}}), (folder / "new.txt").string(), prompt_));
        EXPECT_EQ(prompt_.Messages, Messages{Reported("Permission denied")});
    }
    EXPECT_EQ(ReadBytes(folder / "writable.txt"), "\"a\"\r\n");
    EXPECT_EQ(FileNames(folder), std::vector<std::string>{"writable.txt"});
    fs::permissions(folder, fs::perms::owner_all);
}

}  // namespace

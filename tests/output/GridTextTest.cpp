// The grid's texts for a text file (comma-separated) and for the clipboard (tab-separated),
// and copying a block of the grid to the clipboard on Ctrl+C or the toolbar.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "FlexGrid.h"
#include "GridCopyPaste.h"
#include "GridText.h"
#include "OutputTestSupport.h"

namespace {

using quorvel::clsGridCopyPaste;
using quorvel::FlexGrid;
using quorvel::FormatBlockAsClipboardText;
using quorvel::FormatGridAsCommaSeparatedText;
using quorvel::testing::GridOf;
using quorvel::testing::NamedCells;
using quorvel::test::RecordingClipboard;
using quorvel::test::RecordingPrompt;

// ---------------------------------------------------------------------------------------
// Comma-separated text

TEST(CommaSeparatedTextTest, FirstColumnIsAlwaysQuotedAndNeverEscaped) {
    const FlexGrid grid = GridOf({{""}, {"1,234"}, {"say \"hi\""}, {"a,\"b\""}, {" padded "}});
    EXPECT_EQ(FormatGridAsCommaSeparatedText(grid),
              "\"\"\r\n"
              "\"1,234\"\r\n"
              "\"say \"hi\"\"\r\n"
              "\"a,\"b\"\"\r\n"
              "\" padded \"\r\n");
}

TEST(CommaSeparatedTextTest, FurtherCellsAreQuotedOnlyWhenTheyHoldAComma) {
    const FlexGrid grid = GridOf({{"Lung", "1.20E-09", "1,234", "q\"uote", ",", "he said \"a,b\"", " spaced ", "a;b\tc"}});
    EXPECT_EQ(FormatGridAsCommaSeparatedText(grid),
              "\"Lung\",1.20E-09,\"1,234\",q\"uote,\",\",\"he said \"a,b\"\", spaced ,a;b\tc\r\n");
}

TEST(CommaSeparatedTextTest, EmptyCellsAddNothingAfterTheirComma) {
    const FlexGrid grid = GridOf({{"a", "", "", "d"}, {"b", "c", "", ""}, {"", "", "", ""}, {"", "x", "", "y"}});
    EXPECT_EQ(FormatGridAsCommaSeparatedText(grid),
              "\"a\",,,d\r\n"
              "\"b\",c,,\r\n"
              "\"\",,,\r\n"
              "\"\",x,,y\r\n");
}

// ---------------------------------------------------------------------------------------
// Clipboard text

TEST(ClipboardTextTest, BlockJoinsCellsByTabsAndRowsByALineFeed) {
    const FlexGrid grid = NamedCells(4, 5);
    EXPECT_EQ(FormatBlockAsClipboardText(grid, 1, 2, 1, 3), "r1c1\tr1c2\tr1c3\nr2c1\tr2c2\tr2c3");
    EXPECT_EQ(FormatBlockAsClipboardText(grid, 0, 2, 4, 4), "r0c4\nr1c4\nr2c4");
    EXPECT_EQ(FormatBlockAsClipboardText(grid, 3, 3, 0, 4), "r3c0\tr3c1\tr3c2\tr3c3\tr3c4");
}

TEST(ClipboardTextTest, CellTextsAreNeitherQuotedNorEscaped) {
    const FlexGrid grid = GridOf({{"1,234", "say \"hi\"", "tab\there"}, {"line\rbreak", "", "x"}});
    EXPECT_EQ(FormatBlockAsClipboardText(grid, 0, 1, 0, 2), "1,234\tsay \"hi\"\ttab\there\nline\rbreak\t\tx");
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

}  // namespace

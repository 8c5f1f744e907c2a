// Copying a block of the grid to the clipboard on Ctrl+C or the toolbar.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "FlexGrid.h"
#include "GridCopyPaste.h"
#include "OutputTestSupport.h"

namespace {

using quorvel::clsGridCopyPaste;
using quorvel::FlexGrid;
using quorvel::testing::RecordingPrompt;

constexpr int Ctrl = 17;
constexpr int C = 67;
constexpr int Shift = 16;

class RecordingClipboard : public quorvel::ClipboardWriter {
public:
    std::vector<std::string> Calls;
    bool RefuseText = false;
    void Clear() override { Calls.push_back("clear"); }
    void SetText(const std::string& text) override {
        if (RefuseText) throw std::runtime_error("the clipboard is held by another program");
        Calls.push_back("text " + text);
    }
    void SetPicture(const std::string&) override { Calls.push_back("picture"); }
};

// Cells named "r<row>c<col>", one a number and one empty.
FlexGrid NamedCells() {
    FlexGrid grid = quorvel::testing::NamedCells(4, 5);
    grid.SetTextMatrix(2, 3, "1.2E-05");
    grid.SetTextMatrix(1, 2, "");
    return grid;
}

class GridCopyPasteTest : public ::testing::Test {
protected:
    GridCopyPasteTest() { copier_.SetMSFlexGrid(grid_); }
    FlexGrid grid_ = NamedCells();
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

TEST_F(GridCopyPasteTest, CWithoutCtrlOrOtherKeysCopyNothing) {
    copier_.KeyDownResponse(C, 0, 0, 0, 0);
    copier_.KeyDownResponse(Shift, 0, 0, 0, 0);
    copier_.KeyDownResponse(C, 0, 0, 0, 0);
    copier_.KeyDownResponse(Ctrl, 0, 0, 0, 0);
    copier_.KeyDownResponse(86, 0, 0, 0, 0);  // V
    copier_.KeyUpResponse(Shift);             // not Ctrl: Ctrl stays down
    EXPECT_TRUE(clipboard_.Calls.empty());
    copier_.KeyDownResponse(C, 0, 0, 0, 0);
    EXPECT_EQ(clipboard_.Calls, (std::vector<std::string>{"clear", "text r0c0"}));
}

TEST_F(GridCopyPasteTest, ClipboardFailureIsReportedAfterTheClear) {
    clipboard_.RefuseText = true;
    copier_.CopyContentsFromToolbarClick(0, 0, 0, 0);
    EXPECT_EQ(clipboard_.Calls, std::vector<std::string>{"clear"});
    EXPECT_EQ(prompt_.Messages,
              std::vector<std::string>{"Error (the clipboard is held by another program) while copying to "
                                       "clipboard. Copy terminating."});
}

TEST_F(GridCopyPasteTest, CellOutsideTheGridIsReportedAndNothingIsCopied) {
    copier_.CopyContentsFromToolbarClick(0, 9, 0, 0);
    EXPECT_TRUE(clipboard_.Calls.empty());
    ASSERT_EQ(prompt_.Messages.size(), 1U);
    EXPECT_EQ(prompt_.Messages[0].rfind("Error (", 0), 0U);
    EXPECT_NE(prompt_.Messages[0].find(") while copying to clipboard. Copy terminating."), std::string::npos);
}

TEST(GridCopyPasteWithoutGridTest, CopyBeforeAGridIsSetIsReported) {
    RecordingClipboard clipboard;
    RecordingPrompt prompt;
    clsGridCopyPaste copier(clipboard, prompt);
    copier.CopyContentsFromToolbarClick(0, 0, 0, 0);
    EXPECT_TRUE(clipboard.Calls.empty());
    EXPECT_EQ(prompt.Messages,
              std::vector<std::string>{"Error (no grid to copy from) while copying to clipboard. Copy terminating."});
}

}  // namespace

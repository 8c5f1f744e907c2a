#include "GridCopyPaste.h"

#include <exception>
#include <stdexcept>

#include "GridText.h"

namespace quorvel {

clsGridCopyPaste::clsGridCopyPaste(ClipboardWriter& clipboard, UserPrompt& prompt)
    : clipboard_(clipboard), prompt_(prompt) {}

void clsGridCopyPaste::SetMSFlexGrid(const FlexGrid& grid) { grid_ = &grid; }

void clsGridCopyPaste::KeyDownResponse(int keyCode, int row, int rowSel, int col, int colSel) {
    if (keyCode == CKeyCode && controlKeyDown_) CopySelectionToClipboard(row, rowSel, col, colSel);
    if (keyCode == ControlKeyCode) controlKeyDown_ = true;
}

void clsGridCopyPaste::KeyUpResponse(int keyCode) {
    if (keyCode == ControlKeyCode) controlKeyDown_ = false;
}

void clsGridCopyPaste::CopyContentsFromToolbarClick(int row, int rowSel, int col, int colSel) {
    CopySelectionToClipboard(row, rowSel, col, colSel);
}

void clsGridCopyPaste::CopySelectionToClipboard(int row, int rowSel, int col, int colSel) {
    try {
        if (grid_ == nullptr) throw std::logic_error("no grid to copy from");
        const std::string text = FormatBlockAsClipboardText(*grid_, row, rowSel, col, colSel);
        clipboard_.Clear();
        clipboard_.SetText(text);
    } catch (const std::exception& error) {
        prompt_.ShowMessage(std::string("Error (") + error.what() + ") while copying to clipboard. Copy terminating.");
    }
}

}  // namespace quorvel

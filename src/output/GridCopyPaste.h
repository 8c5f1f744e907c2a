#pragma once
// Copying the grid's selected block to the clipboard as tab-separated text, on Ctrl+C in
// the grid or from the toolbar. The class follows the Ctrl key itself from the grid's key
// events.

#include <string>

#include "FlexGrid.h"
#include "UserPrompt.h"

namespace quorvel {

// The system clipboard as the copy uses it.
class ClipboardWriter {
public:
    virtual ~ClipboardWriter() = default;
    virtual void Clear() = 0;
    virtual void SetText(const std::string& text) = 0;
    // A picture (a chart), given as the bytes of a PNG file.
    virtual void SetPicture(const std::string& png) = 0;
};

inline constexpr int ControlKeyCode = 17;
inline constexpr int CKeyCode = 67;

class clsGridCopyPaste {
public:
    clsGridCopyPaste(ClipboardWriter& clipboard, UserPrompt& prompt);

    // The grid to copy from; it must outlive this object.
    void SetMSFlexGrid(const FlexGrid& grid);

    // From the grid's key-down event (every key but V) with the grid's Row, RowSel, Col
    // and ColSel: C while Ctrl is down copies the block; Ctrl itself is remembered.
    void KeyDownResponse(int keyCode, int row, int rowSel, int col, int colSel);
    // From the grid's key-up event: releasing Ctrl is remembered.
    void KeyUpResponse(int keyCode);
    void CopyContentsFromToolbarClick(int row, int rowSel, int col, int colSel);

private:
    void CopySelectionToClipboard(int row, int rowSel, int col, int colSel);

    ClipboardWriter& clipboard_;
    UserPrompt& prompt_;
    const FlexGrid* grid_ = nullptr;
    bool controlKeyDown_ = false;
};

}  // namespace quorvel

#pragma once
// The grid's texts as the outputs write them: comma-separated lines for a text file, and
// tab-separated cells for the clipboard.

#include <string>

#include "FlexGrid.h"

namespace quorvel {

// One line per row, each ending in CR LF. Column 0 always stands in double quotes; a
// further cell is written bare, or in double quotes when it holds a comma, and an empty
// cell adds nothing after its comma. Quotes inside a cell are written as they stand.
std::string FormatGridAsCommaSeparatedText(const FlexGrid& grid);

// The block between two corners (in either order): cells joined by tabs, rows by a line
// feed (the platform's line end, so that it pastes as rows), nothing after the last row.
std::string FormatBlockAsClipboardText(const FlexGrid& grid, int row, int rowSel, int col, int colSel);

}  // namespace quorvel

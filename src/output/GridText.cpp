#include "GridText.h"

#include <algorithm>

namespace quorvel {

std::string FormatGridAsCommaSeparatedText(const FlexGrid& grid) {
    std::string text;
    for (int r = 0; r < grid.Rows(); ++r) {
        text += '"';
        if (grid.Cols() > 0) text += grid.TextMatrix(r, 0);
        text += '"';
        for (int c = 1; c < grid.Cols(); ++c) {
            const std::string& cell = grid.TextMatrix(r, c);
            text += ',';
            if (cell.find(',') != std::string::npos)
                text += '"' + cell + '"';
            else
                text += cell;
        }
        text += "\r\n";
    }
    return text;
}

std::string FormatBlockAsClipboardText(const FlexGrid& grid, int row, int rowSel, int col, int colSel) {
    const int top = std::min(row, rowSel);
    const int bottom = std::max(row, rowSel);
    const int left = std::min(col, colSel);
    const int right = std::max(col, colSel);
    std::string text;
    for (int r = top; r <= bottom; ++r) {
        for (int c = left; c <= right; ++c) {
            if (c != left) text += '\t';
            text += grid.TextMatrix(r, c);
        }
        if (r != bottom) text += '\n';
    }
    return text;
}

}  // namespace quorvel

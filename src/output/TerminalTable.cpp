#include "TerminalTable.h"

#include <algorithm>
#include <vector>

namespace quorvel {

namespace {

// Characters as a terminal shows them: UTF-8 continuation bytes take no column.
std::size_t DisplayWidth(const std::string& text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

}  // namespace

std::string FormatGridAsAlignedText(const FlexGrid& grid) {
    std::vector<std::size_t> widths(static_cast<std::size_t>(grid.Cols()), 0);
    for (int r = 0; r < grid.Rows(); ++r)
        for (int c = 0; c < grid.Cols(); ++c)
            widths[static_cast<std::size_t>(c)] =
                std::max(widths[static_cast<std::size_t>(c)], DisplayWidth(grid.TextMatrix(r, c)));

    std::string text;
    for (int r = 0; r < grid.Rows(); ++r) {
        std::string line;
        for (int c = 0; c < grid.Cols(); ++c) {
            const std::string& cell = grid.TextMatrix(r, c);
            if (c > 0) line += "  ";
            line += cell;
            line.append(widths[static_cast<std::size_t>(c)] - DisplayWidth(cell), ' ');
        }
        line.erase(line.find_last_not_of(' ') + 1);
        text += line + '\n';
    }
    return text;
}

}  // namespace quorvel

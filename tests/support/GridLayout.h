#pragma once
// A grid written out as text, so that whole tables can be compared with layouts
// spelled out in the tests: one line per row, cells joined by '|', a bold cell
// marked with a leading '*'.

#include <string>

#include "FlexGrid.h"

namespace quorvel::test {

inline std::string DescribeGrid(const FlexGrid& grid) {
    std::string text;
    for (int r = 0; r < grid.Rows(); ++r) {
        for (int c = 0; c < grid.Cols(); ++c) {
            if (c > 0) text += '|';
            if (grid.CellFormatAt(r, c).Bold) text += '*';
            text += grid.TextMatrix(r, c);
        }
        text += '\n';
    }
    return text;
}

}  // namespace quorvel::test

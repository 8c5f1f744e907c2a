#include "GridLayout.h"

namespace quorvel::test {

std::string DescribeGrid(const FlexGrid& grid) {
    std::string text;
    for (int r = 0; r < grid.Rows(); ++r) {
        std::string line;
        for (int c = 0; c < grid.Cols(); ++c) {
            if (c > 0) line += '|';
            if (grid.CellFormatAt(r, c).Bold) line += '*';
            line += grid.TextMatrix(r, c);
        }
        text += line + '\n';
    }
    return text;
}

}  // namespace quorvel::test

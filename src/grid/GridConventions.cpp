#include "GridConventions.h"

namespace quorvel {

void BoldTheCell(FlexGrid& grid, int row, int col) {
    const int savedRow = grid.Row();
    const int savedCol = grid.Col();
    grid.SetRow(row);
    grid.SetCol(col);
    grid.SetCellFontBold(true);
    grid.SetRow(savedRow);
    grid.SetCol(savedCol);
}

void SetEmptyResultGrid(FlexGrid& grid) {
    grid.Clear();
    grid.SetRows(2);
    grid.SetCols(1);
    grid.SetColWidth(0, DescriptorColumnWidth);
    grid.SetTextMatrix(1, 0, NoneAvailableText);
}

bool IsEmptyResultGrid(const FlexGrid& grid) {
    return grid.Rows() == 2 && grid.Cols() == 1 && grid.TextMatrix(1, 0) == NoneAvailableText;
}

}  // namespace quorvel

#include "FlexGrid.h"

#include <algorithm>
#include <stdexcept>

namespace quorvel {

FlexGrid::FlexGrid() : FlexGrid(2, 2) {
    fixedRows_ = 1;
    fixedCols_ = 1;
}

FlexGrid::FlexGrid(int rows, int cols) {
    SetRows(rows);
    SetCols(cols);
}

void FlexGrid::SetRows(int rows) {
    if (rows < 0) throw std::out_of_range("Invalid Rows value " + std::to_string(rows));
    rows_ = rows;
    cells_.resize(static_cast<std::size_t>(rows), std::vector<Cell>(static_cast<std::size_t>(cols_)));
    rowHeights_.resize(static_cast<std::size_t>(rows), DefaultRowHeight);
    rowStructures_.resize(static_cast<std::size_t>(rows));
    fixedRows_ = std::min(fixedRows_, rows);
    ClampCursor();
}

void FlexGrid::SetCols(int cols) {
    if (cols < 0) throw std::out_of_range("Invalid Cols value " + std::to_string(cols));
    cols_ = cols;
    for (auto& row : cells_) row.resize(static_cast<std::size_t>(cols));
    colWidths_.resize(static_cast<std::size_t>(cols), DefaultColWidth);
    colAlignments_.resize(static_cast<std::size_t>(cols), AlignLeftCentre);
    fixedCols_ = std::min(fixedCols_, cols);
    ClampCursor();
}

void FlexGrid::SetFixedRows(int rows) {
    if (rows < 0 || rows > rows_) throw std::out_of_range("Invalid FixedRows value " + std::to_string(rows));
    fixedRows_ = rows;
}

void FlexGrid::SetFixedCols(int cols) {
    if (cols < 0 || cols > cols_) throw std::out_of_range("Invalid FixedCols value " + std::to_string(cols));
    fixedCols_ = cols;
}

const std::string& FlexGrid::TextMatrix(int row, int col) const { return CellAt(row, col).Text; }

void FlexGrid::SetTextMatrix(int row, int col, std::string text) { CellAt(row, col).Text = std::move(text); }

void FlexGrid::SetRow(int row) {
    CheckRow(row);
    row_ = rowSel_ = row;
}

void FlexGrid::SetCol(int col) {
    CheckCol(col);
    col_ = colSel_ = col;
}

void FlexGrid::SetRowSel(int row) {
    CheckRow(row);
    rowSel_ = row;
}

void FlexGrid::SetColSel(int col) {
    CheckCol(col);
    colSel_ = col;
}

bool FlexGrid::CellFontBold() const { return CellAt(row_, col_).Format.Bold; }
bool FlexGrid::CellFontItalic() const { return CellAt(row_, col_).Format.Italic; }
float FlexGrid::CellFontSize() const { return CellAt(row_, col_).Format.Size; }
void FlexGrid::SetCellFontBold(bool bold) { CellAt(row_, col_).Format.Bold = bold; }
void FlexGrid::SetCellFontItalic(bool italic) { CellAt(row_, col_).Format.Italic = italic; }

void FlexGrid::SetCellFontSize(float size) {
    if (!(size > 0)) throw std::out_of_range("Invalid CellFontSize value");
    CellAt(row_, col_).Format.Size = size;
}

const CellFormat& FlexGrid::CellFormatAt(int row, int col) const { return CellAt(row, col).Format; }

int FlexGrid::ColWidth(int col) const {
    CheckCol(col);
    return colWidths_[static_cast<std::size_t>(col)];
}

void FlexGrid::SetColWidth(int col, int twips) {
    CheckCol(col);
    if (twips < 0) throw std::out_of_range("Invalid ColWidth value " + std::to_string(twips));
    colWidths_[static_cast<std::size_t>(col)] = twips;
}

std::int16_t FlexGrid::ColAlignment(int col) const {
    CheckCol(col);
    return colAlignments_[static_cast<std::size_t>(col)];
}

void FlexGrid::SetColAlignment(int col, std::int16_t alignment) {
    CheckCol(col);
    colAlignments_[static_cast<std::size_t>(col)] = alignment;
}

int FlexGrid::RowHeight(int row) const {
    CheckRow(row);
    return rowHeights_[static_cast<std::size_t>(row)];
}

void FlexGrid::SetRowHeight(int row, int twips) {
    CheckRow(row);
    if (twips < 0) throw std::out_of_range("Invalid RowHeight value " + std::to_string(twips));
    rowHeights_[static_cast<std::size_t>(row)] = twips;
}

int FlexGrid::ColPos(int col) const {
    CheckCol(col);
    int left = 0;
    for (int c = 0; c < col; ++c) left += colWidths_[static_cast<std::size_t>(c)];
    return left;
}

int FlexGrid::RowPos(int row) const {
    CheckRow(row);
    int top = 0;
    for (int r = 0; r < row; ++r) top += rowHeights_[static_cast<std::size_t>(r)];
    return top;
}

void FlexGrid::Clear() {
    for (auto& row : cells_) std::fill(row.begin(), row.end(), Cell{});
    std::fill(rowStructures_.begin(), rowStructures_.end(), RowStructure{});
    blockSources_.clear();
}

void FlexGrid::SetRowStructure(int row, RowStructure structure) {
    CheckRow(row);
    rowStructures_[static_cast<std::size_t>(row)] = structure;
}

RowStructure FlexGrid::RowStructureAt(int row) const {
    CheckRow(row);
    return rowStructures_[static_cast<std::size_t>(row)];
}

void FlexGrid::SetBlockSource(int block, std::string source) {
    if (block < 0) throw std::out_of_range("Invalid block " + std::to_string(block));
    if (block >= BlockCount()) blockSources_.resize(static_cast<std::size_t>(block) + 1);
    blockSources_[static_cast<std::size_t>(block)] = std::move(source);
}

const std::string& FlexGrid::BlockSource(int block) const {
    static const std::string none;
    return block < 0 || block >= BlockCount() ? none : blockSources_[static_cast<std::size_t>(block)];
}

void FlexGrid::SetGroupHeading(int row, int col, int firstCol, int lastCol) {
    CheckCol(firstCol);
    CheckCol(lastCol);
    Cell& cell = CellAt(row, col);
    cell.GroupFirstCol = firstCol;
    cell.GroupLastCol = lastCol;
}

std::optional<std::pair<int, int>> FlexGrid::GroupHeadingColumns(int row, int col) const {
    const Cell& cell = CellAt(row, col);
    if (cell.GroupFirstCol < 0) return std::nullopt;
    return std::pair(cell.GroupFirstCol, cell.GroupLastCol);
}

void FlexGrid::SetCellCoefficient(int row, int col, int index) { CellAt(row, col).Coefficient = index; }

int FlexGrid::CellCoefficient(int row, int col) const { return CellAt(row, col).Coefficient; }

void FlexGrid::CheckRow(int row) const {
    if (row < 0 || row >= rows_) throw std::out_of_range("Invalid row value " + std::to_string(row));
}

void FlexGrid::CheckCol(int col) const {
    if (col < 0 || col >= cols_) throw std::out_of_range("Invalid column value " + std::to_string(col));
}

FlexGrid::Cell& FlexGrid::CellAt(int row, int col) {
    CheckRow(row);
    CheckCol(col);
    return cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

const FlexGrid::Cell& FlexGrid::CellAt(int row, int col) const {
    CheckRow(row);
    CheckCol(col);
    return cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

void FlexGrid::ClampCursor() {
    const int lastRow = std::max(rows_ - 1, 0);
    const int lastCol = std::max(cols_ - 1, 0);
    row_ = std::min(row_, lastRow);
    col_ = std::min(col_, lastCol);
    rowSel_ = std::min(rowSel_, lastRow);
    colSel_ = std::min(colSel_, lastCol);
}

}  // namespace quorvel

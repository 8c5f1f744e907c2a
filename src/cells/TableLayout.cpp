#include "TableLayout.h"

namespace quorvel {

std::string TitleWithNote(const std::string& title, const std::string& note) {
    return note.empty() ? title : title + " " + note;
}

void RecordBlockRows(FlexGrid& grid, int first, int last, int block, RowRole role) {
    for (int row = first; row <= last && row < grid.Rows(); ++row) grid.SetRowStructure(row, {block, role});
}

void RecordValueCells(FlexGrid& grid, const CoefficientTable& table, const std::vector<const Coefficient*>& cells,
                      int firstRow, int col) {
    for (std::size_t i = 0; i < cells.size(); ++i)
        grid.SetCellCoefficient(firstRow + static_cast<int>(i), col, static_cast<int>(cells[i] - table.Cells.data()));
}

void RecordBlockSources(FlexGrid& grid, const CoefficientTable& table) {
    for (std::size_t block = 0; block < table.Blocks.size(); ++block)
        grid.SetBlockSource(static_cast<int>(block), BlockSourceNote(table, static_cast<int>(block)));
}

std::vector<std::string> OneBased(const std::vector<std::string>& items) {
    std::vector<std::string> list{std::string()};
    list.insert(list.end(), items.begin(), items.end());
    return list;
}

}  // namespace quorvel

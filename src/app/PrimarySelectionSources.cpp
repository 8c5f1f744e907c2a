// What a value cell of the shown table is: its coefficient, as the table's layout recorded it.
#include "frmPrimarySelectionForm.h"

namespace quorvel {

int frmPrimarySelectionForm::ShownCellIndex(int row, int col) const {
    if (!shown_ || row < 0 || col < 0 || row >= grid_.Rows() || col >= grid_.Cols()) return -1;
    return grid_.CellCoefficient(row, col);
}

std::string frmPrimarySelectionForm::SourceOfShownCell(int row, int col) const {
    const int index = ShownCellIndex(row, col);
    if (index < 0) return {};
    const Coefficient& cell = shown_->Table.Cells[static_cast<std::size_t>(index)];
    return cell.Text.empty() ? std::string() : cell.Source;
}

}  // namespace quorvel

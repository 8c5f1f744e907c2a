#include "AgeDependentDoseCoefs.h"

#include "AgeDependentDoseTable.h"
#include "TableLayout.h"

namespace quorvel {

const std::vector<int> AgeDependentDoseCoefs::CoefficientFieldPositions = {
    0, 4, 7, 9, 10, 11, 12, 13, 14, 15, 16, 17, 36, 37, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 8, 39};

AgeDependentDoseCoefs::AgeDependentDoseCoefs(std::string tableTitle) : tableTitle_(std::move(tableTitle)) {}

void AgeDependentDoseCoefs::ReportCoefficientsInAnMSFlexGrid(const CoefficientTable& table, int block,
                                                             const std::vector<const Coefficient*>& cells,
                                                             FlexGrid& grid, int blockStartRow, int valueColumn) {
    const TableBlock& heading = table.Blocks[static_cast<std::size_t>(block)];
    // Header and descriptors come only with the first age of the list.
    const bool first = cells.front()->ColumnKey == 0;
    if (first)
        SetupHeaderInformation(grid, blockStartRow, TitleWithNote(tableTitle_, table.TitleNote), heading.HeaderText,
                               table.UnitName, heading.Subtitle);
    const int startRow = blockStartRow + DoseBlockHeadRows;
    if (first)
        SetupCoefficientDescriptorsInAnMSFlexGrid(grid, OneBased(*heading.RowLabels), startRow, 0, FirstRowStyle::Bold);
    CoefficientTexts coefficients(1);
    for (const Coefficient* cell : cells) coefficients.push_back(cell->Text);
    PlaceCoefficientsInAnMSFlexGrid(grid, table.ColumnKeys[static_cast<std::size_t>(cells.front()->ColumnKey)],
                                    coefficients, startRow, valueColumn, FirstRowStyle::Bold);
    RecordValueCells(grid, table, cells, startRow + 1, valueColumn);
}

}  // namespace quorvel

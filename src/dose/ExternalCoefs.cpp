#include "ExternalCoefs.h"

#include "TableLayout.h"

namespace quorvel {

void clsExternalCoefs::ReportCoefficientsInAnMSFlexGrid(const CoefficientTable& table, const std::string& title,
                                                        FlexGrid& grid) {
    const TableBlock& block = table.Blocks.front();
    SetupExternalHeaderInformation(grid, 0, title, block.HeaderText, table.UnitName);
    SetupCoefficientDescriptorsInAnMSFlexGrid(grid, OneBased(*block.RowLabels), HeadRows, 0, FirstRowStyle::Plain);
    CoefficientTexts coefficients(1);
    std::vector<const Coefficient*> cells;
    for (const Coefficient& cell : table.Cells) {
        coefficients.push_back(cell.Text);
        cells.push_back(&cell);
    }
    PlaceCoefficientsInAnMSFlexGrid(grid, ValueHeading, coefficients, HeadRows, 1, FirstRowStyle::Plain);
    RecordValueCells(grid, table, cells, HeadRows + 1, 1);
    RecordBlockRows(grid, 0, HeadRows, 0, RowRole::Heading);
    RecordBlockRows(grid, HeadRows + 1, HeadRows + CoefficientCount, 0, RowRole::Data);
    RecordBlockSources(grid, table);
}

}  // namespace quorvel

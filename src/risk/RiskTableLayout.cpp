#include "RiskTableLayout.h"

#include "GridConventions.h"
#include "NumberText.h"
#include "RiskValueRules.h"
#include "TableLayout.h"

namespace quorvel {

int RiskGroupCount(int recordCount, int groupSize) { return (recordCount + groupSize - 1) / groupSize; }

std::string RiskColumnHeading(const std::string& fieldName) {
    if (fieldName.rfind("Mor", 0) != 0) return fieldName;
    return fieldName.size() <= 9 ? std::string() : TrimBlanks(std::string_view(fieldName).substr(9));
}

int PrepareRiskGrid(FlexGrid& grid, const CoefficientTable& table, int groupSize, int rowsPerGroup, int extraRows) {
    int records = 0;
    for (const TableBlock& block : table.Blocks) records += static_cast<int>(block.RowLabels->size());
    if (records < 1) {
        SetEmptyResultGrid(grid);
        return 0;
    }
    grid.Clear();
    const int groups = RiskGroupCount(records, groupSize);
    grid.SetRows(rowsPerGroup * groups + extraRows);
    // The cancer site column, the ten value columns and one column more, empty.
    grid.SetCols(RiskDisplayedColumns + 1);
    grid.SetFixedCols(0);
    grid.SetFixedRows(1);
    grid.SetColWidth(0, DescriptorColumnWidth);
    return groups;
}

void WriteRiskTitleBlock(FlexGrid& grid, const std::string& title, const CoefficientTable& table) {
    grid.SetTextMatrix(0, 0, TitleWithNote(title, table.TitleNote));
    grid.SetTextMatrix(1, 0, table.Blocks.front().Nuclide);
    grid.SetTextMatrix(2, 0, "Units = " + table.UnitName);
    for (int row = 0; row < 3; ++row) BoldTheCell(grid, row, 0);
    RecordBlockRows(grid, 0, InternalRiskTitleRows - 1, -1, RowRole::Title);
}

void WriteMortalityMorbidityRow(FlexGrid& grid, int row, const std::string& firstCell) {
    grid.SetTextMatrix(row, 0, firstCell);
    grid.SetTextMatrix(row, MortalityColumn, "Mortality");
    grid.SetTextMatrix(row, MorbidityColumn, "Morbidity");
    BoldTheCell(grid, row, 0);
    BoldTheCell(grid, row, MortalityColumn);
    BoldTheCell(grid, row, MorbidityColumn);
    grid.SetGroupHeading(row, MortalityColumn, 1, FirstMorbidityColumn - 1);
    grid.SetGroupHeading(row, MorbidityColumn, FirstMorbidityColumn, RiskDisplayedColumns - 1);
}

void WriteRiskColumnHeadings(FlexGrid& grid, int row, const CoefficientTable& table) {
    grid.SetTextMatrix(row, 0, table.RowHeading);
    for (std::size_t j = 0; j < table.ColumnKeys.size(); ++j)
        grid.SetTextMatrix(row, static_cast<int>(j) + 1, table.ColumnKeys[j]);
}

int WriteRiskValueRows(FlexGrid& grid, int row, const CoefficientTable& table, int block) {
    const TableBlock& rows = table.Blocks[static_cast<std::size_t>(block)];
    const std::vector<std::string>& sites = *rows.RowLabels;
    for (std::size_t n = 0; n < sites.size(); ++n)
        grid.SetTextMatrix(row + static_cast<int>(n), CancerSiteColumn, sites[n]);
    for (const Coefficient& cell : table.Cells) {
        if (cell.Block != block) continue;
        grid.SetTextMatrix(row + cell.BlockRow, cell.ColumnKey + 1, cell.Text);
        grid.SetCellCoefficient(row + cell.BlockRow, cell.ColumnKey + 1, static_cast<int>(&cell - table.Cells.data()));
    }
    const int last = row + static_cast<int>(sites.size()) - 1;
    RecordBlockRows(grid, row, last, block, RowRole::Data);
    return last;
}

int WriteInternalRiskSection(FlexGrid& grid, int r, const CoefficientTable& table, int block) {
    const TableBlock& section = table.Blocks[static_cast<std::size_t>(block)];
    const int firstRow = r + 1;
    if (section.FormLine) {
        grid.SetTextMatrix(r + 1, 0, *section.FormLine);
        BoldTheCell(grid, r + 1, 0);
        ++r;
    }
    WriteMortalityMorbidityRow(grid, r + 1, "f1 = " + section.F1);
    WriteRiskColumnHeadings(grid, r + 2, table);
    RecordBlockRows(grid, firstRow, r + 2, block, RowRole::Heading);
    return WriteRiskValueRows(grid, r + InternalRiskSectionHeadRows, table, block) + RiskSectionGap;
}

void FinishRiskGrid(FlexGrid& grid, const CoefficientTable& table) {
    for (int c = 1; c < grid.Cols(); ++c) grid.SetColAlignment(c, AlignLeftCentre);
    RecordBlockSources(grid, table);
}

}  // namespace quorvel

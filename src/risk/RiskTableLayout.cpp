#include "RiskTableLayout.h"

#include "GridConventions.h"
#include "NumberText.h"
#include "RiskValueRules.h"

namespace quorvel {

int RiskGroupCount(int recordCount, int groupSize) { return (recordCount + groupSize - 1) / groupSize; }

std::string RiskColumnHeading(const std::string& fieldName) {
    if (fieldName.rfind("Mor", 0) != 0) return fieldName;
    return fieldName.size() <= 9 ? std::string() : TrimBlanks(std::string_view(fieldName).substr(9));
}

int PrepareRiskGrid(FlexGrid& grid, Recordset& records, int groupSize, int rowsPerGroup, int extraRows,
                    int descriptorColumns) {
    if (records.RecordCount() < 1) {
        SetEmptyResultGrid(grid);
        return 0;
    }
    records.MoveLast();
    records.MoveFirst();
    grid.Clear();
    const int groups = RiskGroupCount(records.RecordCount(), groupSize);
    grid.SetRows(rowsPerGroup * groups + extraRows);
    grid.SetCols(descriptorColumns + RiskDisplayedColumns);
    grid.SetFixedCols(0);
    grid.SetFixedRows(1);
    grid.SetColWidth(0, DescriptorColumnWidth);
    return groups;
}

void WriteRiskTitleBlock(FlexGrid& grid, const std::string& title, const std::string& nuclide,
                         const std::string& unitName) {
    grid.SetTextMatrix(0, 0, title);
    grid.SetTextMatrix(1, 0, nuclide);
    grid.SetTextMatrix(2, 0, "Units = " + unitName);
    for (int row = 0; row < 3; ++row) BoldTheCell(grid, row, 0);
}

void WriteMortalityMorbidityRow(FlexGrid& grid, int row, const std::string& firstCell) {
    grid.SetTextMatrix(row, 0, firstCell);
    grid.SetTextMatrix(row, MortalityColumn, "Mortality");
    grid.SetTextMatrix(row, MorbidityColumn, "Morbidity");
    BoldTheCell(grid, row, 0);
    BoldTheCell(grid, row, MortalityColumn);
    BoldTheCell(grid, row, MorbidityColumn);
}

void WriteRiskColumnHeadings(FlexGrid& grid, int row, const Recordset& records, int firstPosition) {
    for (int j = 0; j < RiskDisplayedColumns; ++j)
        grid.SetTextMatrix(row, j, RiskColumnHeading(records.FieldName(j + firstPosition)));
}

int WriteRiskValueRows(FlexGrid& grid, int row, Recordset& records, int firstPosition, double unitFactor) {
    int last = row - 1;
    for (int n = 0; n < RiskSectionRecords && !records.IsEOF(); ++n) {
        last = row + n;
        for (int j = 0; j < RiskDisplayedColumns; ++j) {
            grid.SetTextMatrix(last, j, RiskCellOf(records.Field(j + firstPosition), unitFactor).Text);
        }
        records.MoveNext();
    }
    return last;
}

int WriteInternalRiskSection(FlexGrid& grid, int r, Recordset& records, int firstPosition, double unitFactor) {
    if (const FieldValue& form = records.Field("Form"); !form.IsNull()) {
        grid.SetTextMatrix(r + 1, 0, form.Text());
        BoldTheCell(grid, r + 1, 0);
        ++r;
    }
    WriteMortalityMorbidityRow(grid, r + 1, "f1 = " + records.Field("f_1").TextOrEmpty());
    WriteRiskColumnHeadings(grid, r + 2, records, firstPosition);
    return WriteRiskValueRows(grid, r + InternalRiskSectionHeadRows, records, firstPosition, unitFactor) +
           RiskSectionGap;
}

void AlignRiskValueColumns(FlexGrid& grid) {
    for (int c = 1; c < grid.Cols(); ++c) grid.SetColAlignment(c, AlignLeftCentre);
}

}  // namespace quorvel

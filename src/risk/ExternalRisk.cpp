#include "GridConventions.h"
#include "RiskCoefficientReports.h"
#include "RiskTableLayout.h"
#include "TableLayout.h"

namespace quorvel {

namespace {
constexpr int RowsPerGroup = 20;
}  // namespace

void ReportExternalRiskCoefficients(const CoefficientTable& table, FlexGrid& grid) {
    if (PrepareRiskGrid(grid, table, RiskSectionRecords, RowsPerGroup, 0) == 0) return;
    const std::string title =
        TitleWithNote(ExternalRiskMode(table.Kind.Geometry) + " Risk Coefficients", table.TitleNote);
    // Every group carries its own title block.
    int r = 0;
    for (std::size_t group = 0; group < table.Blocks.size(); ++group) {
        grid.SetTextMatrix(r, 0, title);
        grid.SetTextMatrix(r + 1, 0, table.Blocks[group].Nuclide);
        BoldTheCell(grid, r, 0);
        BoldTheCell(grid, r + 1, 0);
        WriteMortalityMorbidityRow(grid, r + 2, "Units = " + table.UnitName);
        WriteRiskColumnHeadings(grid, r + 3, table);
        RecordBlockRows(grid, r, r + ExternalRiskHeadRows - 1, static_cast<int>(group), RowRole::Heading);
        r = WriteRiskValueRows(grid, r + ExternalRiskHeadRows, table, static_cast<int>(group)) + RiskSectionGap;
    }
    FinishRiskGrid(grid, table);
}

}  // namespace quorvel

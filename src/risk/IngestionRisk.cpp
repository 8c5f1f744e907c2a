#include "GridConventions.h"
#include "RiskCoefficientReports.h"
#include "RiskTableLayout.h"

namespace quorvel {

namespace {
constexpr int SectionsPerGroup = 2;
constexpr int RowsPerGroup = 42;
}  // namespace

void ReportIngestionRiskCoefficients(const CoefficientTable& table, FlexGrid& grid) {
    if (PrepareRiskGrid(grid, table, SectionsPerGroup * RiskSectionRecords, RowsPerGroup, 1) == 0) return;
    WriteRiskTitleBlock(grid, "Ingestion Risk Coefficients", table);
    int r = InternalRiskTitleRows;
    for (std::size_t section = 0; section < table.Blocks.size(); ++section) {
        grid.SetTextMatrix(r, 0, "Pathway = " + table.Blocks[section].Intake);
        BoldTheCell(grid, r, 0);
        grid.SetRowStructure(r, {static_cast<int>(section), RowRole::Heading});
        r = WriteInternalRiskSection(grid, r, table, static_cast<int>(section));
    }
    FinishRiskGrid(grid, table);
}

}  // namespace quorvel

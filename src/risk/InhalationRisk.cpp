#include "RiskCoefficientReports.h"
#include "RiskTableLayout.h"

namespace quorvel {

namespace {
constexpr int RowsPerGroup = 21;
}  // namespace

void ReportInhalationRiskCoefficients(const CoefficientTable& table, FlexGrid& grid) {
    if (PrepareRiskGrid(grid, table, RiskSectionRecords, RowsPerGroup, 1) == 0) return;
    WriteRiskTitleBlock(grid, "Inhalation Risk Coefficients", table);
    int r = InternalRiskTitleRows;
    // Each section starts one row below the cursor, leaving an empty row above it.
    for (std::size_t section = 0; section < table.Blocks.size(); ++section)
        r = WriteInternalRiskSection(grid, r, table, static_cast<int>(section));
    FinishRiskGrid(grid, table);
}

}  // namespace quorvel

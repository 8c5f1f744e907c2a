#include "RiskCoefficientReports.h"
#include "RiskTableLayout.h"

namespace quorvel {

namespace {
constexpr int RowsPerGroup = 21;
constexpr int FirstDisplayedPosition = InhalationRiskFirstPosition;
}  // namespace

void ReportInhalationRiskCoefficients(const std::string& nuclide, Database& database, FlexGrid& grid, double unitFactor,
                                      const std::string& unitName, int descriptorColumns) {
    Recordset records =
        database.OpenQuery("SELECT * From FGR13INHRBS Where (Nuclide = ? COLLATE NOCASE) ORDER BY ID;", {nuclide});
    const int groups = PrepareRiskGrid(grid, records, RiskSectionRecords, RowsPerGroup, 1, descriptorColumns);
    if (groups == 0) return;

    WriteRiskTitleBlock(grid, "Inhalation Risk Coefficients", records.Field("Nuclide").TextOrEmpty(), unitName);
    int r = InternalRiskTitleRows;

    // Each group starts one row below the cursor, leaving an empty row above it.
    for (int group = 0; group < groups && !records.IsEOF(); ++group) {
        r = WriteInternalRiskSection(grid, r, records, FirstDisplayedPosition, unitFactor);
    }
    AlignRiskValueColumns(grid);
}

}  // namespace quorvel

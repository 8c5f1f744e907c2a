#include "GridConventions.h"
#include "RiskCoefficientReports.h"
#include "RiskTableLayout.h"

namespace quorvel {

namespace {
constexpr int SectionsPerGroup = 2;
constexpr int RowsPerGroup = 42;
constexpr int FirstDisplayedPosition = IngestionRiskFirstPosition;
}  // namespace

void ReportIngestionRiskCoefficients(const std::string& nuclide, Database& database, FlexGrid& grid, double unitFactor,
                                     const std::string& unitName, int descriptorColumns) {
    Recordset records =
        database.OpenQuery("SELECT * From FGR13INGRBS Where (Nuclide = ? COLLATE NOCASE) ORDER BY ID;", {nuclide});
    const int groups =
        PrepareRiskGrid(grid, records, SectionsPerGroup * RiskSectionRecords, RowsPerGroup, 1, descriptorColumns);
    if (groups == 0) return;

    WriteRiskTitleBlock(grid, "Ingestion Risk Coefficients", records.Field("Nuclide").TextOrEmpty(), unitName);
    int r = InternalRiskTitleRows;

    for (int section = 0; section < groups * SectionsPerGroup && !records.IsEOF(); ++section) {
        grid.SetTextMatrix(r, 0, "Pathway = " + records.Field("Intake").TextOrEmpty());
        BoldTheCell(grid, r, 0);
        r = WriteInternalRiskSection(grid, r, records, FirstDisplayedPosition, unitFactor);
    }
    AlignRiskValueColumns(grid);
}

}  // namespace quorvel

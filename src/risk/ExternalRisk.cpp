#include "DatabaseError.h"
#include "GridConventions.h"
#include "RiskCoefficientReports.h"
#include "RiskTableLayout.h"

namespace quorvel {

namespace {
constexpr int RowsPerGroup = 20;
constexpr int FirstDisplayedPosition = ExternalRiskFirstPosition;
constexpr const char* Modes[] = {"Submersion", "Ground Plane", "Soil Layer"};
}  // namespace

std::string ExternalRiskMode(int geometry) {
    if (geometry < 0 || geometry > 2)
        throw DatabaseError("There is no external geometry " + std::to_string(geometry) + ".");
    return Modes[geometry];
}

void ReportExternalRiskCoefficients(const std::string& nuclide, Database& database, FlexGrid& grid, int geometry,
                                    double unitFactor, const std::string& unitName, int descriptorColumns) {
    const std::string mode = ExternalRiskMode(geometry);
    Recordset records = database.OpenQuery(
        "SELECT * From FGR13extRBS Where ((Nuclide = ? COLLATE NOCASE) AND (Mode = ? COLLATE NOCASE)) ORDER BY ID;",
        {nuclide, mode});
    const int groups = PrepareRiskGrid(grid, records, RiskSectionRecords, RowsPerGroup, 0, descriptorColumns);
    if (groups == 0) return;

    // Every group carries its own title block.
    int r = 0;
    for (int group = 0; group < groups && !records.IsEOF(); ++group) {
        grid.SetTextMatrix(r, 0, mode + " Risk Coefficients");
        grid.SetTextMatrix(r + 1, 0, records.Field("Nuclide").TextOrEmpty());
        BoldTheCell(grid, r, 0);
        BoldTheCell(grid, r + 1, 0);
        WriteMortalityMorbidityRow(grid, r + 2, "Units = " + unitName);
        WriteRiskColumnHeadings(grid, r + 3, records, FirstDisplayedPosition);
        r = WriteRiskValueRows(grid, r + ExternalRiskHeadRows, records, FirstDisplayedPosition, unitFactor) +
            RiskSectionGap;
    }
    AlignRiskValueColumns(grid);
}

}  // namespace quorvel

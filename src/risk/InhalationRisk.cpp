#include "GridConventions.h"
#include "RiskCoefficientReports.h"
#include "RiskTableLayout.h"

namespace quorvel {

namespace {
constexpr int RowsPerGroup = 21;
constexpr int FirstDisplayedPosition = 4;
}  // namespace

void ReportInhalationRiskCoefficients(const std::string& nuclide, Database& database, FlexGrid& grid,
                                      double unitFactor, const std::string& unitName, int descriptorColumns) {
    Recordset records =
        database.OpenQuery("SELECT * From FGR13INHRBS Where (Nuclide = ? COLLATE NOCASE) ORDER BY ID;", {nuclide});
    const int groups = PrepareRiskGrid(grid, records, RiskSectionRecords, RowsPerGroup, 1, descriptorColumns);
    if (groups == 0) return;

    WriteRiskTitleBlock(grid, "Inhalation Risk Coefficients", records.Field("Nuclide").TextOrEmpty(), unitName);
    int r = 3;

    // Each group starts one row below the cursor, leaving an empty row above it.
    for (int group = 0; group < groups && !records.IsEOF(); ++group) {
        if (const FieldValue& form = records.Field("Form"); !form.IsNull()) {
            grid.SetTextMatrix(r + 1, 0, form.Text());
            BoldTheCell(grid, r + 1, 0);
            ++r;
        }
        WriteMortalityMorbidityRow(grid, r + 1, "f1 = " + records.Field("f_1").TextOrEmpty());
        WriteRiskColumnHeadings(grid, r + 2, records, FirstDisplayedPosition);
        r = WriteRiskValueRows(grid, r + 3, records, FirstDisplayedPosition, unitFactor) + 2;
    }
    AlignRiskValueColumns(grid);
}

}  // namespace quorvel

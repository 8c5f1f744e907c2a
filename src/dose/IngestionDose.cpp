#include "AgeDependentDoseTable.h"
#include "DoseCoefficientReports.h"

namespace quorvel {

void ReportIngestionDoseCoefficients(const CoefficientTable& table, FlexGrid& grid) {
    clsIngestionCoefs coefs;
    ReportAgeDependentDoseCoefficients(coefs, table, grid, true);
}

}  // namespace quorvel

#include "AgeDependentDoseTable.h"
#include "DoseCoefficientReports.h"

namespace quorvel {

void ReportInhalationDoseCoefficients(const CoefficientTable& table, FlexGrid& grid) {
    clsInhalationCoefs coefs;
    ReportAgeDependentDoseCoefficients(coefs, table, grid, false);
}

}  // namespace quorvel

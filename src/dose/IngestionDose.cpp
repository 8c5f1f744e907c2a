#include "AgeDependentDoseTable.h"
#include "DoseCoefficientReports.h"

namespace quorvel {

void ReportIngestionDoseCoefficients(const std::string& nuclide, Database& database, FlexGrid& grid, double unitFactor,
                                     const std::string& unitLabel, const AgeGroups& ages, int descriptorColumns) {
    clsIngestionCoefs coefs;
    ReportAgeDependentDoseCoefficients({"Fgr13ingGDB", true}, coefs, nuclide, database, grid, unitFactor, unitLabel,
                                       ages, descriptorColumns);
}

}  // namespace quorvel

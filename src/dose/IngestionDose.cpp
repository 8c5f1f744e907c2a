#include "AgeDependentDoseTable.h"
#include "DoseCoefficientReports.h"

namespace quorvel {

void ReportIngestionDoseCoefficients(const std::string& nuclide, FlexGrid& grid, Database& database, double unitFactor,
                                     const std::string& unitLabel, const AgeGroups& ages, int descriptorColumns) {
    clsIngestionCoefs coefs;
    ReportAgeDependentDoseCoefficients({"Fgr13ingGDB", true}, coefs, nuclide, grid, database, unitFactor, unitLabel,
                                       ages, descriptorColumns);
}

}  // namespace quorvel

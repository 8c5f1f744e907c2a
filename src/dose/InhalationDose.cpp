#include "AgeDependentDoseTable.h"
#include "DoseCoefficientReports.h"

namespace quorvel {

void ReportInhalationDoseCoefficients(const std::string& nuclide, Database& database, FlexGrid& grid, double unitFactor,
                                      const std::string& unitLabel, const AgeGroups& ages, int descriptorColumns) {
    clsInhalationCoefs coefs;
    ReportAgeDependentDoseCoefficients({"Fgr13inhHDB", false}, coefs, nuclide, database, grid, unitFactor, unitLabel,
                                       ages, descriptorColumns);
}

}  // namespace quorvel

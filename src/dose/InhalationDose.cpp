#include "AgeDependentDoseTable.h"
#include "DoseCoefficientReports.h"

namespace quorvel {

void ReportInhalationDoseCoefficients(const std::string& nuclide, FlexGrid& grid, Database& database,
                                      double unitFactor, const std::string& unitLabel, const AgeGroups& ages,
                                      int descriptorColumns) {
    clsInhalationCoefs coefs;
    ReportAgeDependentDoseCoefficients({"Fgr13inhHDB", false}, coefs, nuclide, grid, database, unitFactor, unitLabel,
                                       ages, descriptorColumns);
}

}  // namespace quorvel

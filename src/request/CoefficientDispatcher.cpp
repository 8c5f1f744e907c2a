#include "CoefficientDispatcher.h"

#include "Database.h"
#include "DoseCoefficientReports.h"
#include "RiskCoefficientReports.h"

namespace quorvel {

void DispatchCoefficientRequest(const std::string& databasePath, const CoefficientRequest& request, FlexGrid& grid,
                                const UnitChoice& unit, const AgeGroups& ages, int descriptorColumns,
                                BusyPointer& busyPointer) {
    const std::string table = request.TableName();
    const std::string& nuclide = request.Nuclide;
    BusyPointerScope busy(busyPointer);
    try {
        auto database = OpenDatabase(databasePath);
        if (request.Type == DoseCoefficients) {
            if (request.PathwayCode == IngestionPathway)
                ReportIngestionDoseCoefficients(nuclide, *database, grid, unit.Factor, unit.Name, ages,
                                                descriptorColumns);
            else if (request.PathwayCode == InhalationPathway)
                ReportInhalationDoseCoefficients(nuclide, *database, grid, unit.Factor, unit.Name, ages,
                                                 descriptorColumns);
            else
                ReportExternalDoseCoefficients(nuclide, *database, grid, request.Geometry, unit.Factor, unit.Name,
                                               descriptorColumns);
        } else {
            if (request.PathwayCode == IngestionPathway)
                ReportIngestionRiskCoefficients(nuclide, *database, grid, unit.Factor, unit.Name, descriptorColumns);
            else if (request.PathwayCode == InhalationPathway)
                ReportInhalationRiskCoefficients(nuclide, *database, grid, unit.Factor, unit.Name, descriptorColumns);
            else
                ReportExternalRiskCoefficients(nuclide, *database, grid, request.Geometry, unit.Factor, unit.Name,
                                               descriptorColumns);
        }
    } catch (const std::exception& e) {
        throw RequestError("The table " + table + " could not be shown for \"" + nuclide + "\": " + e.what());
    }
}

}  // namespace quorvel

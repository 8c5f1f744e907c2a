#include "CoefficientRequest.h"

#include "Database.h"
#include "DoseCoefficientReports.h"
#include "RiskCoefficientReports.h"

namespace quorvel {

std::string CoefficientTableName(int coefficientType, int pathway, int geometry) {
    const bool dose = coefficientType == DoseCoefficients;
    if (coefficientType != DoseCoefficients && coefficientType != RiskCoefficients)
        throw RequestError("There is no coefficient type " + std::to_string(coefficientType) + ".");
    switch (pathway) {
        case IngestionPathway: return dose ? "Fgr13ingGDB" : "FGR13INGRBS";
        case InhalationPathway: return dose ? "Fgr13inhHDB" : "FGR13INHRBS";
        case ExternalPathway:
            if (geometry < SubmersionGeometry || geometry > SoilVolumeGeometry)
                throw RequestError("There is no external geometry " + std::to_string(geometry) + ".");
            return dose ? ExternalDoseTableName(geometry) : "FGR13extRBS";
        default: throw RequestError("There is no pathway " + std::to_string(pathway) + ".");
    }
}

void DispatchCoefficientRequest(const std::string& databasePath, const std::string& nuclide, FlexGrid& grid,
                                int coefficientType, int pathway, int geometry, double unitFactor,
                                const std::string& unitName, const AgeGroups& ages, int descriptorColumns,
                                BusyPointer& busyPointer) {
    const std::string table = CoefficientTableName(coefficientType, pathway, geometry);
    BusyPointerScope busy(busyPointer);
    try {
        auto database = OpenDatabase(databasePath);
        if (coefficientType == DoseCoefficients) {
            if (pathway == IngestionPathway)
                ReportIngestionDoseCoefficients(nuclide, grid, *database, unitFactor, unitName, ages, descriptorColumns);
            else if (pathway == InhalationPathway)
                ReportInhalationDoseCoefficients(nuclide, grid, *database, unitFactor, unitName, ages, descriptorColumns);
            else
                ReportExternalDoseCoefficients(nuclide, grid, *database, geometry, unitFactor, unitName, descriptorColumns);
        } else {
            if (pathway == IngestionPathway)
                ReportIngestionRiskCoefficients(nuclide, *database, grid, unitFactor, unitName, descriptorColumns);
            else if (pathway == InhalationPathway)
                ReportInhalationRiskCoefficients(nuclide, *database, grid, unitFactor, unitName, descriptorColumns);
            else
                ReportExternalRiskCoefficients(nuclide, *database, grid, geometry, unitFactor, unitName, descriptorColumns);
        }
    } catch (const std::exception& e) {
        throw RequestError("The table " + table + " could not be shown for \"" + nuclide + "\": " + e.what());
    }
}

}  // namespace quorvel

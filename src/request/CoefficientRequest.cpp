#include "CoefficientRequest.h"

#include "DoseCoefficientReports.h"

namespace quorvel {

namespace {

const char* const CategoryNames[] = {"", "internal exposure", "Submersion", "Ground Plane", "Soil Volume"};

void CheckGeometry(int geometry) {
    if (geometry < SubmersionGeometry || geometry > SoilVolumeGeometry)
        throw RequestError("There is no external geometry " + std::to_string(geometry) + ".");
}

}  // namespace

int CoefficientRequest::UnitCategory() const { return PathwayCode == ExternalPathway ? 2 + Geometry : 1; }

std::string CoefficientRequest::TableName() const {
    const bool dose = Type == DoseCoefficients;
    if (Type != DoseCoefficients && Type != RiskCoefficients)
        throw RequestError("There is no coefficient type " + std::to_string(Type) + ".");
    switch (PathwayCode) {
        case IngestionPathway: return dose ? "Fgr13ingGDB" : "FGR13INGRBS";
        case InhalationPathway: return dose ? "Fgr13inhHDB" : "FGR13INHRBS";
        case ExternalPathway: CheckGeometry(Geometry); return dose ? ExternalDoseTableName(Geometry) : "FGR13extRBS";
        default: throw RequestError("There is no pathway " + std::to_string(PathwayCode) + ".");
    }
}

const UnitTable& UnitListOf(const UnitTables& units, int coefficientType) {
    return coefficientType == DoseCoefficients ? units.DoseUnits : units.RiskUnits;
}

std::string UnitListDescription(const CoefficientRequest& request) {
    const int category = request.UnitCategory();
    const char* name = category >= 1 && category <= 4 ? CategoryNames[category] : "no category";
    return std::string(request.Type == DoseCoefficients ? "dose" : "risk") + " units for " + name;
}

UnitChoice ChooseUnit(const UnitTables& units, const CoefficientRequest& request) {
    const UnitTable& list = UnitListOf(units, request.Type);
    const int category = request.UnitCategory();
    const int count = list.UnitCount(category);
    if (count == 0) throw RequestError("The database holds no " + UnitListDescription(request) + ".");
    if (request.UnitPosition < 1 || request.UnitPosition > count)
        throw UnitPositionError("there are " + std::to_string(count) + " " + UnitListDescription(request) +
                                "; position " + std::to_string(request.UnitPosition) + " is none of them");
    const auto c = static_cast<std::size_t>(category);
    const auto p = static_cast<std::size_t>(request.UnitPosition);
    return {list.Factors[c][p], list.Labels[c][p]};
}

const std::vector<std::pair<std::string, int>>& CoefficientTypeWords() {
    static const std::vector<std::pair<std::string, int>> words = {{"dose", DoseCoefficients},
                                                                   {"risk", RiskCoefficients}};
    return words;
}

const std::vector<std::pair<std::string, int>>& PathwayWords() {
    static const std::vector<std::pair<std::string, int>> words = {
        {"ingestion", IngestionPathway}, {"inhalation", InhalationPathway}, {"external", ExternalPathway}};
    return words;
}

const std::vector<std::pair<std::string, int>>& GeometryWords() {
    static const std::vector<std::pair<std::string, int>> words = {
        {"submersion", SubmersionGeometry}, {"ground-plane", GroundPlaneGeometry}, {"soil-volume", SoilVolumeGeometry}};
    return words;
}

std::string GeometryCaption(int geometry) {
    CheckGeometry(geometry);
    return CategoryNames[2 + geometry];
}

}  // namespace quorvel

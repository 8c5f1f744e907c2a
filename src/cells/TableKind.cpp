#include "TableKind.h"

namespace quorvel {

namespace {

template <typename Code>
std::string WordOf(const std::vector<std::pair<std::string, Code>>& words, Code code) {
    for (const auto& [word, value] : words)
        if (value == code) return word;
    return {};
}

}  // namespace

std::string TableKind::Name() const {
    return WordOf(PathwayWords(), PathwayCode) + " " + WordOf(CoefficientTypeWords(), Type);
}

std::string TableKind::GeometryWord() const { return IsExternal() ? WordOf(GeometryWords(), Geometry) : std::string(); }

const std::vector<TableKind>& AllTableKinds() {
    static const std::vector<TableKind> kinds = [] {
        std::vector<TableKind> all;
        for (CoefficientType type : {CoefficientType::Dose, CoefficientType::Risk}) {
            all.push_back({type, Pathway::Ingestion});
            all.push_back({type, Pathway::Inhalation});
            for (const auto& [word, geometry] : GeometryWords()) all.push_back({type, Pathway::External, geometry});
        }
        return all;
    }();
    return kinds;
}

const std::vector<std::pair<std::string, CoefficientType>>& CoefficientTypeWords() {
    static const std::vector<std::pair<std::string, CoefficientType>> words = {{"dose", CoefficientType::Dose},
                                                                               {"risk", CoefficientType::Risk}};
    return words;
}

const std::vector<std::pair<std::string, Pathway>>& PathwayWords() {
    static const std::vector<std::pair<std::string, Pathway>> words = {
        {"ingestion", Pathway::Ingestion}, {"inhalation", Pathway::Inhalation}, {"external", Pathway::External}};
    return words;
}

const std::vector<std::pair<std::string, ExternalGeometry>>& GeometryWords() {
    static const std::vector<std::pair<std::string, ExternalGeometry>> words = {
        {"submersion", ExternalGeometry::Submersion},
        {"ground-plane", ExternalGeometry::GroundPlane},
        {"soil-volume", ExternalGeometry::SoilVolume}};
    return words;
}

const std::vector<std::pair<std::string, RiskOutcome>>& OutcomeWords() {
    static const std::vector<std::pair<std::string, RiskOutcome>> words = {{"mortality", RiskOutcome::Mortality},
                                                                           {"morbidity", RiskOutcome::Morbidity}};
    return words;
}

TableKind KindAt(int type, int pathway, int geometry) {
    return {CodeAt<CoefficientType>(type), CodeAt<Pathway>(pathway), CodeAt<ExternalGeometry>(geometry)};
}

std::string TypeCaption(CoefficientType type) { return type == CoefficientType::Dose ? "Dose" : "Risk"; }

std::string PathwayCaption(Pathway pathway) {
    switch (pathway) {
        case Pathway::Ingestion: return "Ingestion";
        case Pathway::Inhalation: return "Inhalation";
        case Pathway::External: return "External";
    }
    return {};
}

std::string GeometryCaption(ExternalGeometry geometry) {
    switch (geometry) {
        case ExternalGeometry::Submersion: return "Submersion";
        case ExternalGeometry::GroundPlane: return "Ground Plane";
        case ExternalGeometry::SoilVolume: return "Soil Volume";
    }
    return {};
}

}  // namespace quorvel

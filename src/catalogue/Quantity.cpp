#include "Quantity.h"

namespace quorvel {

namespace {

std::string WordOf(const std::vector<std::pair<std::string, int>>& words, int code) {
    for (const auto& [word, value] : words)
        if (value == code) return word;
    return {};
}

}  // namespace

CoefficientRequest TableKind::Request(int unitPosition) const {
    CoefficientRequest request;
    request.Type = Type;
    request.PathwayCode = PathwayCode;
    request.Geometry = Geometry;
    request.UnitPosition = unitPosition;
    return request;
}

std::string TableKind::Name() const {
    return WordOf(PathwayWords(), PathwayCode) + " " + WordOf(CoefficientTypeWords(), Type);
}

std::string TableKind::GeometryWord() const { return IsExternal() ? WordOf(GeometryWords(), Geometry) : std::string(); }

const std::vector<TableKind>& AllTableKinds() {
    static const std::vector<TableKind> kinds = [] {
        std::vector<TableKind> all;
        for (int type : {DoseCoefficients, RiskCoefficients}) {
            all.push_back({type, IngestionPathway, SubmersionGeometry});
            all.push_back({type, InhalationPathway, SubmersionGeometry});
            for (int geometry : {SubmersionGeometry, GroundPlaneGeometry, SoilVolumeGeometry})
                all.push_back({type, ExternalPathway, geometry});
        }
        return all;
    }();
    return kinds;
}

}  // namespace quorvel

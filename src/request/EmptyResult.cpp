#include "EmptyResult.h"

#include "CoefficientTables.h"

namespace quorvel {

namespace {

// "ingestion dose", "ground plane risk": the kind of coefficient a request asks for.
std::string KindOfCoefficients(const TableKind& kind) {
    std::string name;
    switch (kind.PathwayCode) {
        case Pathway::Ingestion: name = "ingestion"; break;
        case Pathway::Inhalation: name = "inhalation"; break;
        case Pathway::External: name = "external (" + GeometryCaption(kind.Geometry) + ")"; break;
    }
    return name + (kind.IsDose() ? " dose" : " risk");
}

}  // namespace

std::string ExplainEmptyResult(Database& database, const CoefficientRequest& request, bool nuclideListed) {
    if (!nuclideListed) return "No nuclide \"" + request.Nuclide + "\" in the list of this database.";
    const std::string kind = KindOfCoefficients(request.Kind);
    if (!TableHolds(database, request.Kind, nullptr)) return "This database holds no " + kind + " coefficients at all.";
    if (!TableHolds(database, request.Kind, &request.Nuclide))
        return "This database holds no " + kind + " coefficients of " + request.Nuclide + ".";
    return "The " + kind + " table of " + request.Nuclide + " shows no value.";
}

}  // namespace quorvel

#include "EmptyResult.h"

#include "RiskCoefficientReports.h"

namespace quorvel {

namespace {

// "ingestion dose", "ground plane risk": the kind of coefficient a request asks for.
std::string KindOfCoefficients(const CoefficientRequest& request) {
    std::string kind;
    switch (request.PathwayCode) {
        case IngestionPathway: kind = "ingestion"; break;
        case InhalationPathway: kind = "inhalation"; break;
        default: kind = "external (" + GeometryCaption(request.Geometry) + ")"; break;
    }
    return kind + (request.Type == DoseCoefficients ? " dose" : " risk");
}

bool TableHolds(Database& database, const CoefficientRequest& request, const std::string* nuclide) {
    std::string sql = "SELECT * FROM " + request.TableName() + " WHERE 1";
    std::vector<QueryParameter> parameters;
    if (request.Type == RiskCoefficients && request.PathwayCode == ExternalPathway) {
        sql += " AND Mode = ? COLLATE NOCASE";
        parameters.emplace_back(ExternalRiskMode(request.Geometry));
    }
    if (nuclide) {
        sql += " AND Nuclide = ? COLLATE NOCASE";
        parameters.emplace_back(*nuclide);
    }
    return database.OpenQuery(sql + " LIMIT 1;", parameters).RecordCount() > 0;
}

}  // namespace

std::string ExplainEmptyResult(Database& database, const CoefficientRequest& request, bool nuclideListed) {
    if (!nuclideListed) return "No nuclide \"" + request.Nuclide + "\" in the list of this database.";
    if (!TableHolds(database, request, nullptr))
        return "This database holds no " + KindOfCoefficients(request) + " coefficients at all.";
    if (!TableHolds(database, request, &request.Nuclide))
        return "This database holds no " + KindOfCoefficients(request) + " coefficients of " + request.Nuclide + ".";
    return "The " + KindOfCoefficients(request) + " table of " + request.Nuclide + " shows no value.";
}

}  // namespace quorvel

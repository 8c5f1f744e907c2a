#include "CoefficientTables.h"

#include "AgeDependentDoseTable.h"
#include "CoefficientRequest.h"
#include "DoseCoefficientReports.h"
#include "RiskCoefficientReports.h"

namespace quorvel {

TableSource SourceOf(DatabaseSession& session) { return {session.Connection(), session.Ages()}; }

void ReadCoefficientTables(const TableSource& source, const TableKind& kind, double unitFactor,
                           const ScanSelection& selection, const TableSink& sink) {
    if (!kind.IsDose())
        ReadRiskTables(source.Connection, kind, unitFactor, selection, sink);
    else if (kind.IsExternal())
        ReadExternalDoseTables(source.Connection, kind, unitFactor, selection, sink);
    else
        ReadAgeDependentDoseTables(source.Connection, kind, source.Ages, unitFactor, selection, sink);
}

CoefficientTable ReadCoefficientTable(const TableSource& source, const TableKind& kind, double unitFactor,
                                      const std::string& nuclide) {
    CoefficientTable read;
    ReadCoefficientTables(source, kind, unitFactor, {.Nuclides = {nuclide}},
                          [&read](CoefficientTable&& table) { read = std::move(table); });
    return read;
}

bool TableHolds(Database& database, const TableKind& kind, const std::string* nuclide) {
    std::string sql = "SELECT ID FROM " + TableName(kind) + " WHERE 1";
    std::vector<QueryParameter> parameters;
    if (!kind.IsDose() && kind.IsExternal()) {
        sql += " AND Mode = ? COLLATE NOCASE";
        parameters.emplace_back(ExternalRiskMode(kind.Geometry));
    }
    if (nuclide) {
        sql += " AND Nuclide = ? COLLATE NOCASE";
        parameters.emplace_back(*nuclide);
    }
    return database.OpenQuery(sql + " LIMIT 1;", parameters).RecordCount() > 0;
}

}  // namespace quorvel

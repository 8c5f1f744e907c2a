#include "CoefficientTables.h"

#include "AgeDependentDoseTable.h"
#include "CoefficientRequest.h"
#include "DoseCoefficientReports.h"
#include "RiskCoefficientReports.h"

namespace quorvel {

void ReadCoefficientTables(DatabaseSession& session, const TableKind& kind, double unitFactor,
                           const ScanSelection& selection, const TableSink& sink) {
    Database& database = session.Connection();
    if (!kind.IsDose())
        ReadRiskTables(database, kind, unitFactor, selection, sink);
    else if (kind.IsExternal())
        ReadExternalDoseTables(database, kind, unitFactor, selection, sink);
    else
        ReadAgeDependentDoseTables(database, kind, session.Ages(), unitFactor, selection, sink);
}

CoefficientTable ReadCoefficientTable(DatabaseSession& session, const TableKind& kind, double unitFactor,
                                      const std::string& nuclide) {
    ScanSelection selection;
    selection.Nuclides = {nuclide};
    CoefficientTable read;
    ReadCoefficientTables(session, kind, unitFactor, selection,
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

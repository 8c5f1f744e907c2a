#pragma once
// The one reader of each table kind, chosen by kind: the tables of one nuclide (a table on
// screen) or of the whole table (a ranking, the dump) nuclide by nuclide.

#include <string>
#include <vector>

#include "Coefficient.h"
#include "DatabaseSession.h"

namespace quorvel {

// What every reading takes: the open database and its age groups, which head the columns of
// the age-dependent tables.
struct TableSource {
    Database& Connection;
    const AgeGroups& Ages;
};
TableSource SourceOf(DatabaseSession& session);

// The tables of the selection's nuclides of a kind (every nuclide when it names none, a
// named one without records as an empty table), in the unit of the factor, handed over one
// by one in the table's order. A damaged table is a DatabaseError.
void ReadCoefficientTables(const TableSource& source, const TableKind& kind, double unitFactor,
                           const ScanSelection& selection, const TableSink& sink);

// One nuclide's table of a kind.
CoefficientTable ReadCoefficientTable(const TableSource& source, const TableKind& kind, double unitFactor,
                                      const std::string& nuclide);

// Whether a kind's table holds any record at all (no nuclide given) or any of the nuclide.
bool TableHolds(Database& database, const TableKind& kind, const std::string* nuclide);

}  // namespace quorvel

#pragma once
// The records of a coefficient table grouped by nuclide, as every table reader takes them.

#include <string>
#include <vector>

#include "Database.h"

namespace quorvel {

using Record = std::vector<FieldValue>;

// The records of a table in ID order: those of the condition (empty: all) and, when names
// are given, of those nuclides only (compared without regard to case).
Recordset OpenTableRecords(Database& database, const std::string& table, std::string condition,
                           std::vector<QueryParameter> parameters, const std::vector<std::string>& nuclides);

// The records of each nuclide, in ID order; nuclides in the order of their first record.
struct NuclideRecords {
    std::string Key;  // the name in lower case
    std::vector<const Record*> Records;
};
std::vector<NuclideRecords> GroupByNuclide(const Recordset& records, int nuclidePosition);

// The names, of those given, that none of the groups holds.
std::vector<std::string> NamesNotFound(const std::vector<std::string>& names,
                                       const std::vector<NuclideRecords>& groups);

// A field of a record by position; one the record does not have is a DatabaseError.
const FieldValue& FieldAt(const Record& record, int position);

// The names of a table's nuclides in the order of their first record, one for each name
// compared without regard to case.
std::vector<std::string> TableNuclides(Database& database, const std::string& table);

}  // namespace quorvel

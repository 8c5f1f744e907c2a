#pragma once
// An open coefficient database. Opening it never creates or changes the file.

#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "Recordset.h"

namespace quorvel {

// A value bound to a "?" of an SQL text; std::monostate binds Null.
using QueryParameter = std::variant<std::monostate, std::string, double, std::int64_t>;

class Database {
public:
    virtual ~Database() = default;

    // All records of a table in their stored order.
    virtual Recordset OpenTable(const std::string& tableName) = 0;
    // The records an SQL text selects, with its parameters bound in order.
    virtual Recordset OpenQuery(const std::string& sql, const std::vector<QueryParameter>& parameters = {}) = 0;
};

// Opens the database file at the path for reading. A missing, unreadable or damaged
// file is a DatabaseError whose text names the path and the cause.
std::unique_ptr<Database> OpenDatabase(const std::string& path);

// How many times this process has called OpenDatabase: a command-line request opens its
// database once, and its tests count it.
long long DatabaseOpenings();

}  // namespace quorvel

#pragma once
#include <sqlite3.h>

#include "Database.h"

namespace quorvel {

class SqliteDatabase : public Database {
public:
    // Create makes the file when it does not exist yet.
    enum class Mode { ReadOnly, ReadWrite, Create };

    SqliteDatabase(const std::string& path, Mode mode);
    ~SqliteDatabase() override;
    SqliteDatabase(const SqliteDatabase&) = delete;
    SqliteDatabase& operator=(const SqliteDatabase&) = delete;

    Recordset OpenTable(const std::string& tableName) override;
    Recordset OpenQuery(const std::string& sql, const std::vector<QueryParameter>& parameters = {}) override;

    // Runs statements that return no records.
    void Execute(const std::string& sql);
    // Runs one statement that returns no records, with its parameters bound in order.
    void Execute(const std::string& sql, const std::vector<QueryParameter>& parameters);

    sqlite3* Handle() const { return db_; }

private:
    sqlite3* db_ = nullptr;
};

// An SQL identifier in double quotes, so that names such as "Age Units" or "T1/2" can be used.
std::string QuoteIdentifier(const std::string& name);

}  // namespace quorvel

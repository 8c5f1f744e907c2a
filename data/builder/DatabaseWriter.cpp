#include "DatabaseWriter.h"

#include <memory>
#include <sqlite3.h>
#include <stdexcept>
#include <string>

namespace quorvel::data {

namespace {

std::string Quoted(const std::string& identifier) {
    std::string result = "\"";
    for (char c : identifier) result += c == '"' ? std::string("\"\"") : std::string(1, c);
    return result + "\"";
}

const char* SqlType(FieldType type) {
    switch (type) {
        case FieldType::Text: return "TEXT";
        case FieldType::Integer: return "INTEGER";
        case FieldType::Real: return "REAL";
    }
    return "";
}

class Connection {
public:
    explicit Connection(const std::filesystem::path& file) {
        if (sqlite3_open_v2(file.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
            const std::string message = db_ ? sqlite3_errmsg(db_) : "out of memory";
            sqlite3_close(db_);
            throw std::runtime_error("cannot create " + file.string() + ": " + message);
        }
    }
    ~Connection() { sqlite3_close(db_); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    void Execute(const std::string& sql) {
        char* error = nullptr;
        if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
            const std::string message = error ? error : "unknown error";
            sqlite3_free(error);
            throw std::runtime_error("SQLite: " + message + " in: " + sql);
        }
    }

    void Check(int code, const std::string& during) {
        if (code != SQLITE_OK && code != SQLITE_DONE)
            throw std::runtime_error("SQLite: " + std::string(sqlite3_errmsg(db_)) + " while " + during);
    }

    sqlite3* Handle() { return db_; }

private:
    sqlite3* db_ = nullptr;
};

bool IsLookupKey(const std::string& field) { return field == "Nuclide" || field == "Age" || field == "Mode"; }

void Bind(Connection& db, sqlite3_stmt* statement, int index, const Value& value) {
    int code = SQLITE_OK;
    if (std::holds_alternative<std::monostate>(value))
        code = sqlite3_bind_null(statement, index);
    else if (auto i = std::get_if<std::int64_t>(&value))
        code = sqlite3_bind_int64(statement, index, *i);
    else if (auto d = std::get_if<double>(&value))
        code = sqlite3_bind_double(statement, index, *d);
    else
        code = sqlite3_bind_text(statement, index, std::get<std::string>(value).c_str(), -1, SQLITE_TRANSIENT);
    db.Check(code, "binding a value");
}

void WriteTable(Connection& db, const Table& table) {
    std::string create = "CREATE TABLE " + Quoted(table.Name) + " (";
    std::string insert = "INSERT INTO " + Quoted(table.Name) + " VALUES (";
    std::string indexed;
    for (std::size_t k = 0; k < table.Fields.size(); ++k) {
        const std::string& name = table.Fields[k].Name;
        create += (k ? ", " : "") + Quoted(name) + " " + SqlType(table.Fields[k].Type);
        insert += k ? ", ?" : "?";
        // The viewer matches names and modes without regard to case and looks records up by
        // nuclide (and age or mode): the index must use the same collation to serve it.
        if (IsLookupKey(name)) {
            create += " COLLATE NOCASE";
            indexed += (indexed.empty() ? "" : ", ") + Quoted(name);
        }
    }
    db.Execute(create + ")");
    // The nuclide list is only ever read whole, in stored order.
    if (!indexed.empty() && table.Name != "Nuke2")
        db.Execute("CREATE INDEX " + Quoted(table.Name + " lookup") + " ON " + Quoted(table.Name) + " (" + indexed +
                   ")");
    sqlite3_stmt* raw = nullptr;
    db.Check(sqlite3_prepare_v2(db.Handle(), (insert + ")").c_str(), -1, &raw, nullptr), "preparing " + insert);
    std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> statement(raw, sqlite3_finalize);
    for (const auto& record : table.Records) {
        if (record.size() != table.Fields.size())
            throw std::logic_error("record of " + table.Name + " with a wrong number of values");
        for (std::size_t k = 0; k < record.size(); ++k) Bind(db, statement.get(), static_cast<int>(k + 1), record[k]);
        db.Check(sqlite3_step(statement.get()), "inserting into " + table.Name);
        db.Check(sqlite3_reset(statement.get()), "inserting into " + table.Name);
    }
}

}  // namespace

void WriteDatabase(const std::vector<Table>& tables, const std::filesystem::path& target) {
    std::filesystem::path temporary = target;
    temporary += ".part";
    std::filesystem::remove(temporary);
    try {
        Connection db(temporary);
        // No write-ahead log and one transaction: the file alone holds the database, and its
        // bytes depend only on what is written.
        db.Execute("PRAGMA page_size = 4096");
        db.Execute("PRAGMA journal_mode = DELETE");
        db.Execute("BEGIN");
        for (const auto& table : tables) WriteTable(db, table);
        db.Execute("COMMIT");
        db.Execute("VACUUM");
    } catch (...) {
        std::filesystem::remove(temporary);
        throw;
    }
    std::filesystem::rename(temporary, target);
}

}  // namespace quorvel::data

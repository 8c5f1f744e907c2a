#include "SqliteDatabase.h"

#include "DatabaseError.h"

namespace quorvel {

namespace {

class Statement {
public:
    Statement(sqlite3* db, const std::string& sql) {
        if (sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &stmt_, nullptr) != SQLITE_OK)
            throw DatabaseError(sqlite3_errmsg(db));
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    sqlite3_stmt* get() const { return stmt_; }

private:
    sqlite3_stmt* stmt_ = nullptr;
};

void Bind(sqlite3* db, sqlite3_stmt* stmt, int index, const QueryParameter& parameter) {
    int rc = SQLITE_OK;
    if (std::holds_alternative<std::monostate>(parameter))
        rc = sqlite3_bind_null(stmt, index);
    else if (const auto* text = std::get_if<std::string>(&parameter))
        rc = sqlite3_bind_text(stmt, index, text->data(), static_cast<int>(text->size()), SQLITE_TRANSIENT);
    else if (const auto* real = std::get_if<double>(&parameter))
        rc = sqlite3_bind_double(stmt, index, *real);
    else
        rc = sqlite3_bind_int64(stmt, index, std::get<std::int64_t>(parameter));
    if (rc != SQLITE_OK) throw DatabaseError(sqlite3_errmsg(db));
}

void BindAll(sqlite3* db, sqlite3_stmt* stmt, const std::string& sql, const std::vector<QueryParameter>& parameters) {
    if (sqlite3_bind_parameter_count(stmt) != static_cast<int>(parameters.size()))
        throw DatabaseError("Wrong number of parameters for: " + sql);
    for (std::size_t i = 0; i < parameters.size(); ++i) Bind(db, stmt, static_cast<int>(i + 1), parameters[i]);
}

FieldValue ColumnValue(sqlite3_stmt* stmt, int column) {
    switch (sqlite3_column_type(stmt, column)) {
        case SQLITE_NULL: return {};
        case SQLITE_INTEGER: return FieldValue(static_cast<std::int64_t>(sqlite3_column_int64(stmt, column)));
        case SQLITE_FLOAT: return FieldValue(sqlite3_column_double(stmt, column));
        default: {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
            return FieldValue(
                std::string(text ? text : "", static_cast<std::size_t>(sqlite3_column_bytes(stmt, column))));
        }
    }
}

}  // namespace

std::string QuoteIdentifier(const std::string& name) {
    std::string quoted = "\"";
    for (char c : name) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

SqliteDatabase::SqliteDatabase(const std::string& path, Mode mode) {
    // A database file opened to be read serves one thread at a time: it needs no lock of its
    // own around every call (which, a field at a time, took a tenth of reading a whole table).
    const int flags = mode == Mode::ReadOnly    ? SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX
                      : mode == Mode::ReadWrite ? SQLITE_OPEN_READWRITE
                                                : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    const int rc = sqlite3_open_v2(path.c_str(), &db_, flags, nullptr);
    if (rc != SQLITE_OK) {
        const std::string cause = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
        sqlite3_close(db_);
        throw DatabaseError("Cannot open the database " + path + ": " + cause);
    }
    sqlite3_extended_result_codes(db_, 1);
    // A damaged or foreign file only shows itself when it is first read.
    try {
        Statement probe(db_, "SELECT count(*) FROM sqlite_master");
        if (sqlite3_step(probe.get()) != SQLITE_ROW) throw DatabaseError(sqlite3_errmsg(db_));
    } catch (const DatabaseError& e) {
        sqlite3_close(db_);
        throw DatabaseError("Cannot open the database " + path + ": " + e.what());
    }
}

SqliteDatabase::~SqliteDatabase() { sqlite3_close(db_); }

Recordset SqliteDatabase::OpenTable(const std::string& tableName) {
    // Without an order SQLite may answer from an index; the row id is the order of storing.
    const std::string select = "SELECT * FROM " + QuoteIdentifier(tableName);
    sqlite3_stmt* probe = nullptr;
    const bool hasRowId =
        sqlite3_prepare_v2(db_, (select + " ORDER BY _rowid_").c_str(), -1, &probe, nullptr) == SQLITE_OK;
    sqlite3_finalize(probe);
    return OpenQuery(hasRowId ? select + " ORDER BY _rowid_" : select);
}

Recordset SqliteDatabase::OpenQuery(const std::string& sql, const std::vector<QueryParameter>& parameters) {
    Statement statement(db_, sql);
    sqlite3_stmt* stmt = statement.get();
    BindAll(db_, stmt, sql, parameters);

    const int columns = sqlite3_column_count(stmt);
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(columns));
    for (int c = 0; c < columns; ++c) names.emplace_back(sqlite3_column_name(stmt, c));

    std::vector<std::vector<FieldValue>> records;
    int rc = SQLITE_OK;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        std::vector<FieldValue> record;
        record.reserve(static_cast<std::size_t>(columns));
        for (int c = 0; c < columns; ++c) record.push_back(ColumnValue(stmt, c));
        records.push_back(std::move(record));
    }
    if (rc != SQLITE_DONE) throw DatabaseError(sqlite3_errmsg(db_));
    return Recordset(std::move(names), std::move(records));
}

void SqliteDatabase::Execute(const std::string& sql) {
    char* message = nullptr;
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
        const std::string cause = message ? message : sqlite3_errmsg(db_);
        sqlite3_free(message);
        throw DatabaseError(cause);
    }
}

void SqliteDatabase::Execute(const std::string& sql, const std::vector<QueryParameter>& parameters) {
    Statement statement(db_, sql);
    BindAll(db_, statement.get(), sql, parameters);
    if (sqlite3_step(statement.get()) != SQLITE_DONE) throw DatabaseError(sqlite3_errmsg(db_));
}

}  // namespace quorvel

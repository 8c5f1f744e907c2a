#include "AccessDatabase.h"

#include <chrono>
#include <filesystem>
#include <map>
#include <mutex>

#include "AccessReader.h"
#include "DatabaseError.h"
#include "DatabaseFormat.h"
#include "SqliteDatabase.h"

namespace quorvel {

namespace {

struct FileIdentity {
    std::uintmax_t Size = 0;
    std::filesystem::file_time_type Modified;
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

FileIdentity IdentityOf(const std::string& path) {
    std::error_code error;
    FileIdentity identity{std::filesystem::file_size(path, error), {}};
    if (!error) identity.Modified = std::filesystem::last_write_time(path, error);
    if (error) throw DatabaseError("Cannot open the database " + path + ": " + error.message());
    return identity;
}

struct CachedTables {
    FileIdentity Identity;
    std::shared_ptr<SqliteDatabase> Tables;
};

// The tables of every Access file read so far, by file; requests come one after another,
// the lock only keeps a second thread from reading a file twice at once.
std::shared_ptr<SqliteDatabase> TablesOf(const std::string& path) {
    static std::mutex lock;
    static std::map<std::string, CachedTables> cache;

    std::error_code error;
    std::string key = std::filesystem::weakly_canonical(path, error).string();
    if (error) key = path;
    const FileIdentity identity = IdentityOf(path);
    const std::scoped_lock guard(lock);
    auto found = cache.find(key);
    if (found != cache.end() && found->second.Identity == identity) return found->second.Tables;
    if (found != cache.end()) cache.erase(found);
    std::shared_ptr<SqliteDatabase> tables = ReadAccessDatabase(path);
    cache[key] = {identity, tables};
    return tables;
}

class AccessDatabase : public Database {
public:
    explicit AccessDatabase(std::shared_ptr<SqliteDatabase> tables) : tables_(std::move(tables)) {}

    Recordset OpenTable(const std::string& tableName) override { return tables_->OpenTable(tableName); }
    Recordset OpenQuery(const std::string& sql, const std::vector<QueryParameter>& parameters) override {
        return tables_->OpenQuery(sql, parameters);
    }

private:
    std::shared_ptr<SqliteDatabase> tables_;
};

void CopyDatabase(SqliteDatabase& source, SqliteDatabase& target) {
    sqlite3_backup* backup = sqlite3_backup_init(target.Handle(), "main", source.Handle(), "main");
    if (!backup) throw DatabaseError(sqlite3_errmsg(target.Handle()));
    const int stepped = sqlite3_backup_step(backup, -1);
    const int finished = sqlite3_backup_finish(backup);
    if (stepped != SQLITE_DONE || finished != SQLITE_OK) throw DatabaseError(sqlite3_errmsg(target.Handle()));
}

}  // namespace

std::unique_ptr<Database> OpenAccessDatabase(const std::string& path) {
    return std::make_unique<AccessDatabase>(TablesOf(path));
}

AccessConversion ConvertAccessDatabase(const std::string& accessPath, const std::string& sqlitePath) {
    if (DetectDatabaseFormat(accessPath) != DatabaseFormat::Access)
        throw DatabaseError(accessPath + " is not a Microsoft Access database.");
    const std::shared_ptr<SqliteDatabase> tables = TablesOf(accessPath);
    std::error_code error;
    if (std::filesystem::exists(sqlitePath, error) || error)
        throw DatabaseError(sqlitePath + " already exists; it is not replaced.");

    AccessConversion conversion;
    Recordset names = tables->OpenQuery("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY rowid");
    for (; !names.IsEOF(); names.MoveNext()) {
        ++conversion.Tables;
        conversion.Records += static_cast<long long>(
            tables->OpenQuery("SELECT count(*) FROM " + QuoteIdentifier(names.Field(0).Text())).Field(0).Number());
    }
    try {
        SqliteDatabase target(sqlitePath, SqliteDatabase::Mode::Create);
        CopyDatabase(*tables, target);
    } catch (const DatabaseError& e) {
        std::filesystem::remove(sqlitePath, error);
        throw DatabaseError("Cannot write " + sqlitePath + ": " + e.what());
    }
    return conversion;
}

}  // namespace quorvel

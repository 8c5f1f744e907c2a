#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "AccessDatabase.h"
#include "Database.h"
#include "DatabaseError.h"
#include "DatabaseFormat.h"
#include "SqliteDatabase.h"

namespace quorvel {

namespace {

std::atomic<long long> openings{0};

}  // namespace

long long DatabaseOpenings() { return openings; }

std::unique_ptr<Database> OpenDatabase(const std::string& path) {
    ++openings;
    // An SQLite file, the shipped database among them, is opened by SQLite alone, so that the
    // file is opened once; anything else is told by its first bytes.
    try {
        return std::make_unique<SqliteDatabase>(path, SqliteDatabase::Mode::ReadOnly);
    } catch (const DatabaseError&) {}
    switch (DetectDatabaseFormat(path)) {
        case DatabaseFormat::Sqlite: return std::make_unique<SqliteDatabase>(path, SqliteDatabase::Mode::ReadOnly);
        case DatabaseFormat::Access: return OpenAccessDatabase(path);
        case DatabaseFormat::Unknown: break;
    }
    // A missing file or a folder: the engine names the cause.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::make_unique<SqliteDatabase>(path, SqliteDatabase::Mode::ReadOnly);
    // A file that cannot be read is not reported as a foreign one: the system names the cause.
    if (std::FILE* file = std::fopen(path.c_str(), "rb"))
        std::fclose(file);
    else
        throw DatabaseError("Cannot open the database " + path + ": " + std::strerror(errno));
    throw DatabaseError(
        "Cannot open the database " + path +
        ": the file is not a coefficient database; it is neither an SQLite nor a Microsoft Access database");
}

}  // namespace quorvel

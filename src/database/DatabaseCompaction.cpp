#include "DatabaseCompaction.h"

#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

#include "DatabaseError.h"
#include "DatabaseFormat.h"
#include "SqliteDatabase.h"

namespace quorvel {

namespace {

namespace fs = std::filesystem;

void Step(CompactionFaults* faults, CompactionStep step) {
    if (faults) faults->BeforeStep(step);
}

void RemoveIfPresent(const fs::path& path) {
    std::error_code ignored;
    fs::remove(path, ignored);
}

// The copy must be on disk before it takes the database's name.
void SyncFileToDisk(const fs::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) throw DatabaseError("Cannot open " + path.string() + " to flush it.");
    const int rc = ::fsync(fd);
    ::close(fd);
    if (rc != 0) throw DatabaseError("Cannot flush " + path.string() + " to disk.");
}

// Makes the rename itself durable; the database is already whole, so a failure is no matter.
void SyncFolderToDisk(const fs::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

void WriteCompactedCopy(const std::string& databasePath, const std::string& tempPath) {
    SqliteDatabase database(databasePath, SqliteDatabase::Mode::ReadOnly);
    database.Execute("VACUUM INTO ?", {tempPath});
}

void CheckCompactedCopy(const std::string& tempPath) {
    SqliteDatabase copy(tempPath, SqliteDatabase::Mode::ReadOnly);
    Recordset result = copy.OpenQuery("PRAGMA quick_check");
    result.MoveFirst();
    if (result.Field(0).TextOrEmpty() != "ok") throw DatabaseError("The compacted copy is damaged.");
}

}  // namespace

std::string CompactionTempPath(const std::string& databasePath) {
    return (fs::path(databasePath).parent_path() / CompactionTempFileName).string();
}

bool IsCompactableDatabase(const std::string& databasePath) {
    return DetectDatabaseFormat(databasePath) == DatabaseFormat::Sqlite;
}

bool CompactDatabase(const std::string& databasePath, CompactionStatus& status, BusyPointer& busyPointer,
                     CompactionFaults* faults) {
    bool replaced = false;
    {
        BusyPointerScope busy(busyPointer);
        const std::string tempPath = CompactionTempPath(databasePath);
        try {
            Step(faults, CompactionStep::RemoveLeftovers);
            RemoveIfPresent(CompactionTempFileName);
            RemoveIfPresent(tempPath);
        } catch (const std::exception&) {
            // A leftover that cannot be removed makes the copy below fail; the database stays.
        }
        status.SetStatusText("Creating temp file . . .");
        try {
            if (!IsCompactableDatabase(databasePath)) throw DatabaseError("Only SQLite databases are compacted.");
            Step(faults, CompactionStep::WriteCompactedCopy);
            WriteCompactedCopy(databasePath, tempPath);
            status.SetStatusText("Compacting Database . . .");
            Step(faults, CompactionStep::CheckCompactedCopy);
            CheckCompactedCopy(tempPath);
            SyncFileToDisk(tempPath);
            Step(faults, CompactionStep::ReplaceDatabase);
            fs::rename(tempPath, databasePath);
            SyncFolderToDisk(fs::path(databasePath).parent_path());
            replaced = true;
        } catch (const std::exception&) {
            RemoveIfPresent(tempPath);
        }
        status.SetStatusText("DONE Compacting Database . . .");
    }
    status.SetStatusText("");
    return replaced;
}

}  // namespace quorvel

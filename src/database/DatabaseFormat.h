#pragma once
// The kind of a database file, told by its first bytes, never by its name.

#include <string>

namespace quorvel {

enum class DatabaseFormat { Sqlite, Access, Unknown };

// Sqlite: the file starts with "SQLite format 3\0". Access: a Jet 3 or Jet 4 file
// ("\0\1\0\0Standard Jet DB") or an ACE file ("\0\1\0\0Standard ACE DB"). An empty file is
// Sqlite too, as the engine takes it: an empty database, in which every table is missing.
// Unknown: anything else, including a file that cannot be read.
DatabaseFormat DetectDatabaseFormat(const std::string& path);

// Whether a table is the engine's own rather than the data's: Jet's (MSys...) and SQLite's
// (sqlite_..., a prefix SQLite reserves in any case).
bool IsSystemTableName(const std::string& tableName);

}  // namespace quorvel

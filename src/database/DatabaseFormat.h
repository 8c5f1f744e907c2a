#pragma once
// The kind of a database file, told by its first bytes, never by its name.

#include <string>

namespace quorvel {

enum class DatabaseFormat { Sqlite, Access, Unknown };

// Sqlite: the file starts with "SQLite format 3\0". Access: a Jet 3 or Jet 4 file
// ("\0\1\0\0Standard Jet DB") or an ACE file ("\0\1\0\0Standard ACE DB"). Unknown: anything
// else, including a file that cannot be read and an empty file (the engine would take an
// empty file for an empty database, but it holds no table a coefficient database needs).
DatabaseFormat DetectDatabaseFormat(const std::string& path);

}  // namespace quorvel

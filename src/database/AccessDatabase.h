#pragma once
// Access files answer like the shipped SQLite database: their tables are read once into
// memory and the same SQL runs there.

#include <memory>
#include <string>

#include "Database.h"

namespace quorvel {

// Opens an Access file for reading. Its tables are read on the first opening and kept for
// as long as the file keeps its path, size and modification time; a changed file is read
// again. Nothing is ever written to the file. A file that cannot be read is a DatabaseError.
std::unique_ptr<Database> OpenAccessDatabase(const std::string& path);

// What a conversion wrote.
struct AccessConversion {
    int Tables = 0;
    long long Records = 0;
};

// Writes an SQLite copy of the Access file: every user table with its fields in order, its
// records in stored order, values and Nulls as OpenAccessDatabase reads them. An existing
// target is never replaced (DatabaseError), nor is a half-written one left behind.
AccessConversion ConvertAccessDatabase(const std::string& accessPath, const std::string& sqlitePath);

}  // namespace quorvel

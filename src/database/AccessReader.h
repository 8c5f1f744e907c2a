#pragma once
// Reading a Microsoft Access file (Jet 3, Jet 4 or ACE) with mdbtools.

#include <memory>
#include <string>

#include "SqliteDatabase.h"

namespace quorvel {

// Reads every user table of the Access file at the path into a new in-memory SQLite
// database: the same table and field names, the fields in their ordinal order, the records
// in stored order (the row id counts them). Integer fields become integers; single, double,
// currency and decimal fields real numbers (a single as the decimal the engine shows, 1.1
// and not 1.10000002384); text and memo fields text, an empty text staying apart from Null;
// dates and Yes/No fields text as the engine shows them ("3/15/2004 1:05:09 PM", "True",
// "False"); replication ids their "{...}" text. OLE objects, binary and attachment fields
// hold nothing a coefficient table needs and are read as Null. Text fields compare without
// regard to case, as in the engine. The file is opened for reading only. A file that cannot
// be read whole (truncated, damaged) is a DatabaseError naming the path and the cause.
std::unique_ptr<SqliteDatabase> ReadAccessDatabase(const std::string& path);

}  // namespace quorvel

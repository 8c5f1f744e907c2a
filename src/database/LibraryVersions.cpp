#include "LibraryVersions.h"

#include <mdbtools.h>
#include <sqlite3.h>

namespace quorvel {

std::string SqliteVersion() { return sqlite3_libversion(); }

std::string MdbtoolsVersion() { return mdb_get_version(); }

}  // namespace quorvel

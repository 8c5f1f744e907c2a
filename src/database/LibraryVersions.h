#pragma once
// The versions of the libraries that read the database files, as they report themselves
// at run time (a bug report names what runs, not what the program was built with).

#include <string>

namespace quorvel {

std::string SqliteVersion();
std::string MdbtoolsVersion();

}  // namespace quorvel

#pragma once
// Writes tables into a new SQLite file, the same tables always giving the same bytes.
#include <filesystem>
#include <vector>

#include "Table.h"

namespace quorvel::data {

// Creates the file at a temporary name beside target and renames it into place, so that a
// failed build never leaves a half-written database under the target name.
void WriteDatabase(const std::vector<Table>& tables, const std::filesystem::path& target);

}  // namespace quorvel::data

#pragma once
// Splitting one line of comma-separated text; double quotes protect commas.
#include <string>
#include <vector>

namespace quorvel::data {

std::vector<std::string> SplitCsvLine(const std::string& line);

}  // namespace quorvel::data

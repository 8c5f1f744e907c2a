#pragma once
// Comma-separated text as the source tables, the mixture files and the exports write it:
// double quotes protect commas, quotes and line ends, and a quote inside them is doubled.
#include <string>
#include <vector>

namespace quorvel {

// The fields of one line, as they stand between the commas (blanks kept).
std::vector<std::string> SplitCsvLine(const std::string& line);

// A field of a CSV line: in double quotes (a quote doubled) where it holds a comma, a quote,
// a line end or blanks at an end, which a reader may trim; as it stands otherwise.
std::string CsvField(const std::string& text);

}  // namespace quorvel

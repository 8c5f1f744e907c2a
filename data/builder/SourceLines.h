#pragma once
// Reading a source file as numbered lines, as every parser needs.
#include <filesystem>
#include <string>
#include <vector>

namespace quorvel::data {

struct SourceLine {
    int Number = 0;    // 1-based line number in the file
    std::string Text;  // without the line end
};

// All lines of the file; a trailing '\r' is dropped. Throws if the file cannot be read.
std::vector<SourceLine> ReadSourceLines(const std::filesystem::path& file);

// The text with blanks (and the given padding byte, if any) removed at both ends.
std::string Trimmed(const std::string& text, char padding = ' ');

}  // namespace quorvel::data

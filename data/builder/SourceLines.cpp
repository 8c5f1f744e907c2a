#include "SourceLines.h"

#include <fstream>
#include <stdexcept>

namespace quorvel::data {

std::vector<SourceLine> ReadSourceLines(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open source file " + file.string());
    std::vector<SourceLine> lines;
    std::string text;
    int number = 0;
    while (std::getline(in, text)) {
        ++number;
        if (!text.empty() && text.back() == '\r') text.pop_back();
        lines.push_back({number, text});
    }
    if (in.bad()) throw std::runtime_error("cannot read source file " + file.string());
    return lines;
}

std::string Trimmed(const std::string& text, char padding) {
    auto isBlank = [padding](char c) { return c == ' ' || c == '\t' || c == padding; };
    std::size_t first = 0;
    while (first < text.size() && isBlank(text[first])) ++first;
    std::size_t last = text.size();
    while (last > first && isBlank(text[last - 1])) --last;
    return text.substr(first, last - first);
}

}  // namespace quorvel::data

#include "Coefficient.h"

#include <algorithm>

namespace quorvel {

std::string PublicationNamedIn(const std::string& text) {
    std::size_t start = std::string::npos;
    for (const char* word : {"FGR-", "ICRP-"}) start = std::min(start, text.find(word));
    if (start == std::string::npos) return {};
    std::string source = text.substr(start);
    if (start > 0 && text[start - 1] == '(' && !source.empty() && source.back() == ')') source.pop_back();
    return source;
}

void AddSourceFile(std::string& note, const std::string& source) {
    const std::string file = source.substr(0, source.rfind(':'));
    if (file.empty() || (", " + note + ", ").find(", " + file + ", ") != std::string::npos) return;
    note += (note.empty() ? "" : ", ") + file;
}

bool HoldsUptakeFraction(const TableKind& kind, const Coefficient& cell) {
    return kind.IsDose() && !kind.IsExternal() && cell.BlockRow == 0;
}

}  // namespace quorvel

#include "Coefficient.h"

#include <algorithm>
#include <string_view>

namespace quorvel {

std::string PublicationNamedIn(const std::string& text) {
    std::size_t start = std::string::npos;
    for (const char* word : {"FGR-", "ICRP-"}) start = std::min(start, text.find(word));
    if (start == std::string::npos) return {};
    std::string source = text.substr(start);
    if (start > 0 && text[start - 1] == '(' && !source.empty() && source.back() == ')') source.pop_back();
    return source;
}

std::string BlockSourceNote(const CoefficientTable& table, int block) {
    const TableBlock& heading = table.Blocks[static_cast<std::size_t>(block)];
    for (const std::string* text : {&heading.Subtitle, &heading.HeaderText})
        if (std::string note = PublicationNamedIn(*text); !note.empty()) return note;
    std::vector<std::string_view> files;
    for (const Coefficient& cell : table.Cells) {
        const std::string_view file = std::string_view(cell.Source).substr(0, cell.Source.rfind(':'));
        if (cell.Block == block && !file.empty() && std::find(files.begin(), files.end(), file) == files.end())
            files.push_back(file);
    }
    std::string note;
    for (const std::string_view file : files) (note += note.empty() ? "" : ", ") += file;
    return note;
}

bool HoldsUptakeFraction(const TableKind& kind, const Coefficient& cell) {
    return kind.IsDose() && !kind.IsExternal() && cell.BlockRow == 0;
}

}  // namespace quorvel

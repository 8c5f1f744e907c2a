#include "PrintFooter.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace quorvel {

namespace {

constexpr const char* UnitsPrefix = "Units = ";

// Where a publication is named: its first word, or npos.
std::size_t SourceStart(const std::string& text) {
    std::size_t first = std::string::npos;
    for (const char* word : {"FGR-", "ICRP-"}) first = std::min(first, text.find(word));
    return first;
}

std::string SourceOf(const std::string& text, std::size_t start) {
    std::string source = text.substr(start);
    // "(FGR-12 Table III.1)" at the end of the nuclide line: without its brackets.
    if (start > 0 && text[start - 1] == '(' && !source.empty() && source.back() == ')') source.pop_back();
    return source;
}

}  // namespace

std::string FooterDescription(const FlexGrid& grid, const std::string& date) {
    std::vector<std::string> block;
    for (int r = 0; r < grid.Rows() && grid.Cols() > 0 && !grid.TextMatrix(r, 0).empty(); ++r)
        block.push_back(grid.TextMatrix(r, 0));

    std::string title, units, source;
    for (std::size_t i = 0; i < block.size(); ++i) {
        const std::string& text = block[i];
        if (i == 0) {
            title = text;
        } else if (i == 1) {
            title += ", " + text.substr(0, text.find(','));
        } else if (units.empty() && text.rfind(UnitsPrefix, 0) == 0) {
            units = text;
        }
        const std::size_t start = SourceStart(text);
        if (i > 0 && source.empty() && start != std::string::npos) source = SourceOf(text, start);
    }
    std::string line;
    for (const std::string* part : std::initializer_list<const std::string*>{&title, &units, &source, &date}) {
        if (part->empty()) continue;
        if (!line.empty()) line += " | ";
        line += *part;
    }
    return line;
}

std::string PageNumberText(int page, int pages) {
    return "Page " + std::to_string(page) + " of " + std::to_string(pages);
}

}  // namespace quorvel

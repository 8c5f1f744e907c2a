#include "PrintFooter.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "PrintedPages.h"

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
    return FooterDescription(grid, date, 0, grid.Rows() - 1);
}

std::string FooterDescription(const FlexGrid& grid, const std::string& date, int firstRow, int lastRow) {
    // The rows the layout records as the table's title, else the column-0 texts above the
    // first empty one.
    std::vector<std::string> block;
    for (int r = 0; r < grid.Rows() && grid.Cols() > 0 && grid.RowStructureAt(r).Role == RowRole::Title; ++r)
        block.push_back(grid.TextMatrix(r, 0));
    const bool titled = !block.empty();
    for (int r = 0; !titled && r < grid.Rows() && grid.Cols() > 0 && !grid.TextMatrix(r, 0).empty(); ++r)
        block.push_back(grid.TextMatrix(r, 0));

    std::string title, units;
    std::string source = SourcesOfRows(grid, firstRow, lastRow);
    const bool recorded = grid.BlockCount() > 0;
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
        if (i > 0 && !recorded && source.empty() && start != std::string::npos) source = SourceOf(text, start);
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

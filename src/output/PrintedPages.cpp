#include "PrintedPages.h"

#include <algorithm>

namespace quorvel {

namespace {

// The title rows and the heading rows, above the page, of the block its first rows go on with.
std::vector<int> RowsToRepeat(const FlexGrid& grid, int firstRow, int lastRow) {
    int block = -1;
    for (int r = firstRow; r <= lastRow && block < 0; ++r) block = grid.RowStructureAt(r).Block;
    std::vector<int> rows;
    if (block < 0) return rows;
    for (int r = 0; r < firstRow; ++r) {
        const RowStructure row = grid.RowStructureAt(r);
        if (row.Role == RowRole::Title || (row.Block == block && row.Role == RowRole::Heading)) rows.push_back(r);
    }
    return rows;
}

}  // namespace

std::vector<PrintedPage> PlanPrintedPages(const FlexGrid& grid, int rowsPerPage) {
    std::vector<PrintedPage> pages;
    if (grid.Cols() == 0) return pages;
    for (int first = grid.FixedRows(); first < grid.Rows(); first += rowsPerPage) {
        PrintedPage page;
        page.FirstRow = first;
        page.LastRow = std::min(first + rowsPerPage, grid.Rows()) - 1;
        if (!pages.empty()) page.RepeatedRows = RowsToRepeat(grid, page.FirstRow, page.LastRow);
        pages.push_back(std::move(page));
    }
    return pages;
}

std::string SourcesOfRows(const FlexGrid& grid, int firstRow, int lastRow) {
    std::vector<int> blocks;
    for (const RowRole wanted : {RowRole::Data, RowRole::Heading}) {
        for (int r = std::max(firstRow, 0); r <= lastRow && r < grid.Rows(); ++r) {
            const RowStructure row = grid.RowStructureAt(r);
            if (row.Role == wanted && row.Block >= 0 &&
                std::find(blocks.begin(), blocks.end(), row.Block) == blocks.end())
                blocks.push_back(row.Block);
        }
        if (!blocks.empty()) break;
    }
    std::vector<std::string> sources;
    for (const int block : blocks) {
        const std::string& source = grid.BlockSource(block);
        if (!source.empty() && std::find(sources.begin(), sources.end(), source) == sources.end())
            sources.push_back(source);
    }
    std::string joined;
    for (const std::string& source : sources) (joined += joined.empty() ? "" : "; ") += source;
    return joined;
}

}  // namespace quorvel

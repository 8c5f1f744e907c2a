#pragma once
// Which grid rows each printed page shows, so that a page read on its own can be
// attributed: 30 rows of the grid a page, and on a page that goes on with a block begun on
// an earlier one, first that block's heading rows again (with the table's title rows),
// which do not count against the 30.

#include <string>
#include <vector>

#include "FlexGrid.h"

namespace quorvel {

inline constexpr const char* ContinuedMark = " (continued)";

struct PrintedPage {
    // Heading rows printed again at the top of the page, in grid order; the first one's
    // column-0 text is marked ContinuedMark.
    std::vector<int> RepeatedRows;
    int FirstRow = 0;  // the page's own rows, both in
    int LastRow = -1;
};

// The pages of the rows below the grid's fixed rows, rowsPerPage of them a page. A page
// repeats rows only where the grid records its blocks' structure.
std::vector<PrintedPage> PlanPrintedPages(const FlexGrid& grid, int rowsPerPage);

// Where the values of rows first to last come from: the sources of the blocks that have
// values among them (of the blocks with any row there when none has), each once, joined
// by "; ". Empty where the grid records none.
std::string SourcesOfRows(const FlexGrid& grid, int firstRow, int lastRow);

}  // namespace quorvel

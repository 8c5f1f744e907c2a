#pragma once
// The line at the foot of every printed page, so that a printout read on its own says what
// it is: the table's title and nuclide, its units, where the values come from, the date of
// printing, and the page number.

#include <string>

#include "FlexGrid.h"

namespace quorvel {

// The description from the grid's title block (its title rows, else the column-0 texts
// above the first empty one): "<title>, <nuclide> | <units> | <sources> | <date>". The sources are those the
// grid records for the blocks of rows firstRow to lastRow (of the whole table without
// them); a grid that records none gives its title block's mention of a publication
// (FGR-12, FGR-13, ICRP-72) from that word on. Parts the grid does not hold are left out.
std::string FooterDescription(const FlexGrid& grid, const std::string& date);
std::string FooterDescription(const FlexGrid& grid, const std::string& date, int firstRow, int lastRow);

// "Page x of y".
std::string PageNumberText(int page, int pages);

}  // namespace quorvel

#pragma once
// The line at the foot of every printed page, so that a printout read on its own says what
// it is: the table's title and nuclide, its units, where the values come from, the date of
// printing, and the page number.

#include <string>

#include "FlexGrid.h"

namespace quorvel {

// The description from the grid's title block (the column-0 texts above the first empty
// one): "<title>, <nuclide> | <units> | <source> | <date>". The source is the block's
// mention of a publication (FGR-12, FGR-13, ICRP-72) from that word on; parts the grid
// does not hold are left out.
std::string FooterDescription(const FlexGrid& grid, const std::string& date);

// "Page x of y".
std::string PageNumberText(int page, int pages);

}  // namespace quorvel

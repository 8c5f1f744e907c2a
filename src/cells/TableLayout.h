#pragma once
// What the table builders share as they lay a table's cells out into the grid, beside the
// texts: the title with its note, and the structure the grid records for printing and the
// screen.

#include <string>
#include <vector>

#include "Coefficient.h"
#include "FlexGrid.h"

namespace quorvel {

// "Ingestion Dose Coefficients +D (Ba-137m x 0.946)": a title and the table's note.
std::string TitleWithNote(const std::string& title, const std::string& note);

// Rows first to last (both in) as parts of a block.
void RecordBlockRows(FlexGrid& grid, int first, int last, int block, RowRole role);

// Each cell down one column from the first row, the grid cell showing it recorded as its.
void RecordValueCells(FlexGrid& grid, const CoefficientTable& table, const std::vector<const Coefficient*>& cells,
                      int firstRow, int col);

// Every block's source note.
void RecordBlockSources(FlexGrid& grid, const CoefficientTable& table);

// A list as the grid operations take it: element 0 unused, the items from 1 on.
std::vector<std::string> OneBased(const std::vector<std::string>& items);

}  // namespace quorvel

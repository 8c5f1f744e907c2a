#pragma once
// Where a value of the shown table comes from, for the value cell's tooltip.

#include <map>
#include <optional>
#include <string>

#include "CoefficientRequest.h"
#include "Database.h"
#include "StartUpReaders.h"

namespace quorvel {

// The source of every value cell of the request's table that has one, by (row, col).
std::map<std::pair<int, int>, std::string> GridCellSources(Database& database, const CoefficientRequest& request,
                                                           const AgeGroups& ages);

// The source ("dir/FILE:LINE") of the value cell at (row, col) of the request's table; none
// for a cell that holds no value of a record, or a table that records no source.
std::optional<std::string> SourceOfGridCell(Database& database, const CoefficientRequest& request,
                                            const AgeGroups& ages, int row, int col);

}  // namespace quorvel

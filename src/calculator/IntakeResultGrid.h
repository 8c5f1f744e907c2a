#pragma once
// The calculator's results as a grid, so that printing, the text and spreadsheet exports and
// the clipboard treat them as they treat a coefficient table.

#include "FlexGrid.h"
#include "IntakeCalculation.h"

namespace quorvel {

// Title and unit rows, a heading row, one row per mixture row (its error in place of the
// results where it could not be computed) and the total row.
FlexGrid IntakeResultGrid(const MixtureResult& result, const CalculationOptions& options);

// The grid row of a mixture row (0-based index into result.Rows).
inline constexpr int IntakeResultFirstRow = 3;

}  // namespace quorvel

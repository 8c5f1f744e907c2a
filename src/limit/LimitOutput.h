#pragma once
// Screening limits as headed rows (text, CSV, TSV, workbook, the desktop's print and copy)
// and as JSON; each row names its nuclide, form, limit, coefficient, formula and source,
// the headings the table cell, the target and the units.

#include <string>
#include <vector>

#include "RowOutput.h"
#include "ScreeningLimit.h"

namespace quorvel {

// "Intake giving 1.00 mSv": the limit column's heading without its unit.
std::string LimitHeading(const LimitTable& table);

// Z, element, nuclide, half-life, form, the limit (headed by what it limits and the target)
// and its unit, the coefficient (headed by its table cell) and its unit, the formula and the
// source, for the rows given (the table's own, or a choice of them). In JSON each row has
// "limit", "limit_text", "limit_unit", "coefficient", "coefficient_text", "coefficient_unit".
void WriteLimitRows(const LimitTable& table, const std::vector<LimitRow>& rows, RowWriter& writer);

// An object naming the table cell, the target and what is limited, and "rows", each with
// "limit", "limit_unit", "coefficient", "coefficient_unit", "formula" and "source".
std::string LimitJson(const LimitTable& table, const std::vector<LimitRow>& rows);

}  // namespace quorvel

#pragma once
// The catalogue's tables as headed rows, for the command line and the desktop alike.

#include <string>
#include <vector>

#include "CoefficientCatalogue.h"
#include "CoefficientDispatcher.h"
#include "Comparison.h"
#include "RowOutput.h"

namespace quorvel {

// A ranking: Z, element, nuclide, half-life, form, the value (headed by the quantity's
// descriptor, age, and for risk intake and outcome) and its source; rows in the unit given.
void WriteRankedRows(const std::vector<CatalogueRow>& rows, const Quantity& quantity, const std::string& unit,
                     RowWriter& writer);

// A comparison as a table: the descriptors (headed with the age or band) and a column per
// nuclide and form, with the ratio column of two headed by which is divided by which.
void WriteComparison(const Comparison& comparison, const std::string& age, RowWriter& writer);

// A comparison as JSON: "unit", "rows" one per descriptor and column (descriptor, nuclide,
// form, value, text, source) and, for two columns, "ratio_of" ("Cs-134 / Cs-137") and "ratios".
std::string ComparisonJson(const Comparison& comparison);

// A nuclide's table as JSON, standing alone: "table", "geometry", "nuclide" (as the list
// spells it), "unit" (+D named), "source" (where its blocks come from, each once) and
// "rows", one per cell: form, age, intake, descriptor, outcome, "value" (a number, or null
// for an empty cell or a text), "text" as the table shows it, the cell's "unit" (f1's
// "fraction") and its "source" (file and line).
std::string TableJson(const ShownTable& shown, const std::string& nuclide);

// Every coefficient of the database, one tidy row each: nuclide, form, table, geometry,
// age, intake, descriptor, outcome, value, unit, source; every table in the first unit of
// its list. With the catalogue's +D switch on, the values are +D and their unit says so.
void WriteEveryCoefficient(CoefficientCatalogue& catalogue, RowWriter& writer);

}  // namespace quorvel

#pragma once
// The catalogue's tables as headed rows, for the command line and the desktop alike.

#include <string>
#include <vector>

#include "CoefficientCatalogue.h"
#include "RowOutput.h"

namespace quorvel {

// A ranking: Z, element, nuclide, half-life, form, the value (headed by the quantity's
// descriptor and age) and its source; rows in the unit given.
void WriteRankedRows(const std::vector<CatalogueRow>& rows, const Quantity& quantity, const std::string& unit,
                     RowWriter& writer);

// Every coefficient of the database, one tidy row each: nuclide, form, table, geometry,
// age, intake, descriptor, outcome, value, unit, source; every table in the first unit of
// its list.
void WriteEveryCoefficient(CoefficientCatalogue& catalogue, RowWriter& writer);

}  // namespace quorvel

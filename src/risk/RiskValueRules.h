#pragma once
// The rules of a risk table's cells, as its reader computes them.

#include <optional>
#include <string>

#include "FieldValue.h"
#include "TableKind.h"

namespace quorvel {

// A risk cell: a number (or a text that reads as one) is a coefficient, converted and
// shown in the scientific format; any other text is shown as it is, with no value; Null
// leaves the cell empty.
struct RiskCell {
    std::optional<double> Value;
    std::string Text;
};

RiskCell RiskCellOf(const FieldValue& field, double unitFactor);

// Of the eleven displayed columns, column 0 names the cancer site, columns 1 to 5 are
// mortality and 6 to 10 morbidity.
inline constexpr int CancerSiteColumn = 0;
inline constexpr int FirstMorbidityColumn = 6;
RiskOutcome RiskOutcomeOfColumn(int column);

}  // namespace quorvel

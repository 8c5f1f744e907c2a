#pragma once
// The target of a screening limit as typed: a dose with its unit ("1 mSv", "100mrem") or a
// risk, a bare number ("1E-6"); and quantities typed with their unit in one text ("1y").

#include <stdexcept>
#include <string>
#include <vector>

#include "CalculatorUnits.h"

namespace quorvel {

enum class TargetKind { Dose, Risk };

struct LimitTarget {
    TargetKind Kind = TargetKind::Dose;
    double Value = 0;  // Sv for a dose, a probability for a risk
    std::string Text;  // as the outputs write it: "1.00 mSv", "1.00E-06"
};

// A target, time or unit that cannot be used, with the reason.
class LimitError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A number and the name of its unit in one text ("1y", "0.5 mSv"), in the base unit of the
// list, as ReadQuantity judges it; a LimitError says why not.
double ReadQuantityText(const std::string& text, const std::vector<CalculatorUnit>& units, const std::string& what);

// A dose in one of the calculator's dose units.
LimitTarget ReadDoseTarget(const std::string& text);
// A risk: a number above zero and at most 1.
LimitTarget ReadRiskTarget(const std::string& text);
// Either, by whether a unit is written.
LimitTarget ReadTarget(const std::string& text);

}  // namespace quorvel

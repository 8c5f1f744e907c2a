#pragma once
#include <string>

namespace quorvel {

// Renders a value as "0.00E-00": one digit, two decimals rounded half away from zero,
// no plus signs, at least two exponent digits (1.23E-04, 9.88E02, 0.00E00).
// Rounding works on the value's 15-significant-digit decimal form, so a stored
// 1.355E-08 shows as 1.36E-08 as a reader of the printed number expects.
std::string FormatScientific(double value);

}  // namespace quorvel

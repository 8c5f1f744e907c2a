#pragma once
// The program's ordinary conversions between numbers and their texts.

#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

// A decimal number with optional sign, point and exponent, blanks around it allowed
// ("1.356E-08", " 42 ", "-.5", "3e2"). Anything else, an empty text, or a value beyond
// the range of a double gives no number.
std::optional<double> ReadNumber(std::string_view text);

// As ReadNumber, but a text that is not a number is an error ("Type mismatch").
double ConvertTextToNumber(std::string_view text);

// The general text of a number: up to 15 significant digits, no trailing zeros,
// exponent form for very small or large magnitudes (0.01, 365, 1.356E-08, 1E+16).
std::string FormatGeneralNumber(double value);

// Removes blanks at both ends, as the database readers do with every text they take.
std::string TrimBlanks(std::string_view text);

}  // namespace quorvel

#pragma once
// Reading published numbers exactly as written: a value that is not a well-formed number is
// rejected with a reason, never repaired.
#include <optional>
#include <string>

namespace quorvel::data {

enum class ExponentRule {
    Optional,            // plain fractions such as f1 values
    RequiredUnlessZero,  // coefficients, where the tables write zero as ".0"
    Required,            // coefficients of at most about 1E-4: without an exponent a digit group is lost
};

struct ParsedNumber {
    std::optional<double> Value;
    std::string Reason;  // why the text was rejected; empty when value is set
};

ParsedNumber ParseNumber(const std::string& text, ExponentRule rule);

// Shortest text that reads back as the same double ("0.6", "1", "1E-04" style via %g).
std::string ShortNumberText(double value);

}  // namespace quorvel::data

#pragma once
// The rules that turn stored dose values into shown ones. The table builders and the
// coefficient catalogue both compute every dose value through these functions.

#include <optional>
#include <string_view>

#include "FieldValue.h"

namespace quorvel {

inline constexpr double HighLetWeight = 20.0;
inline constexpr double UpperLargeIntestineShare = 0.57;
inline constexpr double LowerLargeIntestineShare = 0.43;

// A stored value: a Null field holds no value (its cell stays empty, never 0).
std::optional<double> StoredDoseValue(const FieldValue& field);

// Only the type letter "H", exactly, marks a high-LET record.
bool IsHighLetType(std::string_view radiationType);

// Coefficient i (1 to count) of an age-dependent block. The first record's value is
// weighted by 20 when it is high-LET; the second record of a two-record block is the
// high-LET part and always weighted. Coefficient 1 and coefficient `count` are never
// weighted, and coefficient 1 is never converted either. No value where no record holds one.
std::optional<double> AgeDependentDoseValue(int coefficient, int count, bool firstIsHighLet,
                                            std::optional<double> first, bool twoRecordBlock,
                                            std::optional<double> highLetPart, double unitFactor);

// The colon dose: 0.57 of the upper and 0.43 of the lower large-intestine wall, a missing
// wall counting 0; no value when neither wall has one.
std::optional<double> ColonDose(std::optional<double> upperWall, std::optional<double> lowerWall);

// A value in the chosen unit; no value stays no value.
std::optional<double> InUnit(std::optional<double> value, double unitFactor);

}  // namespace quorvel

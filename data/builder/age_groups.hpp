#pragma once
// The age groups at intake for which the internal dose tables hold values.
#include "table.hpp"

#include <array>
#include <string>

namespace quorvel::data {

struct AgeGroup {
    const char* description;
    int days;
};

inline constexpr std::array<AgeGroup, 6> ageGroups = {{
    {"3 Months", 100}, {"1 Year", 365}, {"5 Years", 1825},
    {"10 Years", 3650}, {"15 Years", 5475}, {"Adult", 7300},
}};

// "Age Units": Description, NumberOfDays.
Table ageUnitsTable();

}  // namespace quorvel::data

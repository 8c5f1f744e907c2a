#pragma once
// The age groups at intake for which the internal dose tables hold values.
#include <array>
#include <string>

#include "Table.h"

namespace quorvel::data {

struct AgeGroup {
    const char* Description;
    int Days;
};

inline constexpr std::array<AgeGroup, 6> AgeGroups = {{
    {"3 Months", 100},
    {"1 Year", 365},
    {"5 Years", 1825},
    {"10 Years", 3650},
    {"15 Years", 5475},
    {"Adult", 7300},
}};

// "Age Units": Description, NumberOfDays.
Table AgeUnitsTable();

}  // namespace quorvel::data

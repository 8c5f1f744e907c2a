#pragma once
// "Dose Units" and "Risk Units": per category (1 internal, 2 submersion, 3 ground plane,
// 4 soil volume) the units offered, the first being the one the tables are in.
#include <string>
#include <vector>

#include "Table.h"

namespace quorvel::data {

struct UnitChoice {
    std::string Name;
    double Factor;  // multiplies a tabulated value to give it in this unit
};

// Categories 1 to 4, in order.
std::vector<std::vector<UnitChoice>> DoseUnitCategories();
std::vector<std::vector<UnitChoice>> RiskUnitCategories();

// Field 0 ID, then per category a name and a factor field; the first record holds the unit
// counts in the name fields, record 1 + j the j-th unit of every category.
Table UnitTable(const std::string& tableName, const std::vector<std::vector<UnitChoice>>& categories);

}  // namespace quorvel::data

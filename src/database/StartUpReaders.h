#pragma once
// What start-up reads from the database: the age groups and the unit tables.

#include <string>
#include <vector>

#include "Database.h"

namespace quorvel {

// The age groups of "Age Units", in stored order.
struct AgeGroups {
    std::vector<std::string> AgeGroupNames;
    std::vector<double> AgeGroupDays;
    int AgeGroupCount() const { return static_cast<int>(AgeGroupNames.size()); }
};

// A unit as a request uses it: the factor that multiplies the tabulated values and the
// name shown after "Units = ".
struct UnitChoice {
    double Factor = 1;
    std::string Name;
};

// One unit table, indexed by (category, position). Position 0 of a category holds its
// unit count (as a number in Factors, as its decimal text in Labels); positions 1 up to
// the count hold the units in record order.
struct UnitTable {
    std::vector<std::vector<std::string>> Labels;
    std::vector<std::vector<double>> Factors;

    int CategoryCount() const { return static_cast<int>(Labels.size()) - 1; }
    // The number of units of a category; 0 for a category the table does not have.
    int UnitCount(int category) const;
    // The units of a category in list order, the first at index 0.
    std::vector<UnitChoice> Units(int category) const;
};

struct UnitTables {
    UnitTable RiskUnits;
    UnitTable DoseUnits;
};

// Reads "Age Units" from an open database. An empty table fails.
AgeGroups ReadAgeUnits(Database& database);

// Reads one unit table from an open database. An empty table, an even field count, a
// count that is not a whole number, or a count record announcing more units than the
// records that follow it fail.
UnitTable ReadUnitTable(Database& database, const std::string& tableName);

// Reads both unit tables from an open database.
UnitTables ReadUnitTables(Database& database, const std::string& riskUnitTableName,
                          const std::string& doseUnitTableName);

}  // namespace quorvel

#include "StartUpReaders.h"

#include <algorithm>
#include <cmath>

#include "DatabaseError.h"

namespace quorvel {

namespace {

int ReadUnitCount(const FieldValue& value, const std::string& tableName) {
    const double count = value.Number();
    if (count < 0 || count != std::floor(count) || count > 1e6)
        throw DatabaseError("The unit count " + value.TextOrEmpty() + " in " + tableName + " is not a valid count.");
    return static_cast<int>(count);
}

}  // namespace

int UnitTable::UnitCount(int category) const {
    if (category < 1 || category > CategoryCount()) return 0;
    return static_cast<int>(Factors[static_cast<std::size_t>(category)][0]);
}

std::vector<UnitChoice> UnitTable::Units(int category) const {
    std::vector<UnitChoice> units;
    const auto c = static_cast<std::size_t>(category);
    for (int position = 1; position <= UnitCount(category); ++position)
        units.push_back(
            {Factors[c][static_cast<std::size_t>(position)], Labels[c][static_cast<std::size_t>(position)]});
    return units;
}

AgeGroups ReadAgeUnits(Database& database) {
    Recordset records = database.OpenTable("Age Units");
    AgeGroups ages;
    records.MoveFirst();
    while (!records.IsEOF()) {
        ages.AgeGroupNames.push_back(records.Field("Description").Text());
        ages.AgeGroupDays.push_back(records.Field("NumberOfDays").Number());
        records.MoveNext();
    }
    return ages;
}

UnitTable ReadUnitTable(Database& database, const std::string& tableName) {
    Recordset records = database.OpenTable(tableName);
    records.MoveFirst();
    const int fieldCount = records.FieldCount();
    if (fieldCount % 2 == 0)
        throw DatabaseError("The unit table " + tableName + " has " + std::to_string(fieldCount) +
                            " fields; a unit table has an odd number of fields.");
    const int categories = (fieldCount - 1) / 2;

    std::vector<int> counts(static_cast<std::size_t>(categories) + 1, 0);
    for (int k = 1; k <= categories; ++k)
        counts[static_cast<std::size_t>(k)] = ReadUnitCount(records.Field(2 * k - 1), tableName);
    const int largest = *std::max_element(counts.begin(), counts.end());
    if (largest > records.RecordCount() - 1)
        throw DatabaseError("The unit table " + tableName + " announces " + std::to_string(largest) +
                            " units but holds only " + std::to_string(records.RecordCount() - 1) + ".");

    UnitTable table;
    table.Labels.assign(static_cast<std::size_t>(categories) + 1,
                        std::vector<std::string>(static_cast<std::size_t>(largest) + 1));
    table.Factors.assign(static_cast<std::size_t>(categories) + 1,
                         std::vector<double>(static_cast<std::size_t>(largest) + 1, 0.0));
    for (int k = 1; k <= categories; ++k) {
        const auto category = static_cast<std::size_t>(k);
        table.Labels[category][0] = std::to_string(counts[category]);
        table.Factors[category][0] = counts[category];
        records.MoveFirst();
        records.MoveNext();
        for (int j = 1; j <= counts[category]; ++j) {
            table.Labels[category][static_cast<std::size_t>(j)] = records.Field(2 * k - 1).Text();
            table.Factors[category][static_cast<std::size_t>(j)] = records.Field(2 * k).Number();
            records.MoveNext();
        }
    }
    return table;
}

UnitTables ReadUnitTables(Database& database, const std::string& riskUnitTableName,
                          const std::string& doseUnitTableName) {
    UnitTables tables;
    tables.RiskUnits = ReadUnitTable(database, riskUnitTableName);
    tables.DoseUnits = ReadUnitTable(database, doseUnitTableName);
    return tables;
}

}  // namespace quorvel

#include "age_groups.hpp"

namespace quorvel::data {

Table ageUnitsTable()
{
    Table table{"Age Units", {{"Description", FieldType::Text}, {"NumberOfDays", FieldType::Integer}}, {}};
    for (const auto& group : ageGroups)
        table.records.push_back({std::string(group.description), std::int64_t{group.days}});
    return table;
}

}  // namespace quorvel::data

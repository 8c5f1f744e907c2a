#include "AgeGroups.h"

namespace quorvel::data {

Table AgeUnitsTable() {
    Table table{"Age Units", {{"Description", FieldType::Text}, {"NumberOfDays", FieldType::Integer}}, {}};
    for (const auto& group : AgeGroups)
        table.Records.push_back({std::string(group.Description), std::int64_t{group.Days}});
    return table;
}

}  // namespace quorvel::data

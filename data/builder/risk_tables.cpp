#include "risk_tables.hpp"

#include <string>

namespace quorvel::data {

namespace {

// The viewer heads a column whose name begins with "Mor" with the name from its tenth
// character on, so "Mortality Column 1" is headed "Column 1" under "Mortality".
std::vector<Field> displayedFields()
{
    std::vector<Field> fields{{"Cancer Site", FieldType::Text}};
    for (const char* kind : {"Mortality", "Morbidity"})
        for (int k = 1; k <= 5; ++k)
            fields.push_back({std::string(kind) + " Column " + std::to_string(k), FieldType::Real});
    return fields;
}

Table riskTable(const char* name, std::vector<Field> keys)
{
    Table table{name, std::move(keys), {}};
    for (auto& field : displayedFields())
        table.fields.push_back(field);
    return table;
}

}  // namespace

Table ingestionRiskTable()
{
    return riskTable("FGR13INGRBS", {{"Nuclide", FieldType::Text},
                                     {"Intake", FieldType::Text},
                                     {"Form", FieldType::Text},
                                     {"f_1", FieldType::Real},
                                     {"ID", FieldType::Integer}});
}

Table inhalationRiskTable()
{
    return riskTable("FGR13INHRBS", {{"Nuclide", FieldType::Text},
                                     {"Form", FieldType::Text},
                                     {"f_1", FieldType::Real},
                                     {"ID", FieldType::Integer}});
}

Table externalRiskTable()
{
    return riskTable("FGR13extRBS", {{"Nuclide", FieldType::Text}, {"Mode", FieldType::Text}, {"ID", FieldType::Integer}});
}

}  // namespace quorvel::data

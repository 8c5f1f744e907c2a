#include "ExternalDoseTable.h"

#include <map>
#include <stdexcept>

namespace quorvel::data {

namespace {

// Field names for the FGR-12 column headings, in file order.
const std::pair<const char*, const char*> ColumnNames[Fgr12ColumnCount] = {
    {"Adrenals", "Adrenals"},
    {"Bld Wall", "Bladder Wall"},
    {"BSurface", "Bone Surface"},
    {"Brain", "Brain"},
    {"Breasts", "Breasts"},
    {"Esophagu", "Esophagus"},
    {"St Wall", "Stomach Wall"},
    {"SI Wall", "Small Intestine Wall"},
    {"ULI Wall", "Upper Large Intestine Wall"},
    {"LLI Wall", "Lower Large Intestine Wall"},
    {"Kidneys", "Kidneys"},
    {"Liver", "Liver"},
    {"Lungs", "Lungs"},
    {"Muscle", "Muscle"},
    {"Ovaries", "Ovaries"},
    {"Pancreas", "Pancreas"},
    {"R Marrow", "Red Marrow"},
    {"Skin", "Skin"},
    {"Spleen", "Spleen"},
    {"Testes", "Testes"},
    {"Thymus", "Thymus"},
    {"Thyroid", "Thyroid"},
    {"Uterus", "Uterus"},
    {"H subE", "Effective Dose Equivalent (H subE)"},
    {"E", "Effective Dose (E)"},
};

}  // namespace

Table ExternalDoseTable(const std::string& tableName, const Fgr12Table& source, const std::string& sourceName,
                        const std::string& sourceFile, const NuclideCatalogue& catalogue) {
    Table table{tableName, {{"Nuclide", FieldType::Text}, {"Nuclide and Half-life", FieldType::Text}}, {}};
    for (int k = 0; k < Fgr12ColumnCount; ++k) {
        if (source.ColumnLabels[k] != ColumnNames[k].first)
            throw std::runtime_error(sourceName + ": column " + std::to_string(k + 1) + " is '" +
                                     source.ColumnLabels[k] + "', expected '" + ColumnNames[k].first + "'");
        table.Fields.push_back({ColumnNames[k].second, FieldType::Real});
    }
    table.Fields.push_back({"Not Tabulated in FGR-12 (1)", FieldType::Real});
    table.Fields.push_back({"Not Tabulated in FGR-12 (2)", FieldType::Real});
    table.Fields.push_back({"ID", FieldType::Integer});
    table.Fields.push_back({"Source", FieldType::Text});

    std::map<std::string, const Fgr12Row*> rows;
    for (const auto& row : source.Rows)
        if (!rows.emplace(row.Nuclide, &row).second)
            throw std::runtime_error(sourceName + ": " + row.Nuclide + " listed twice");
    std::int64_t id = 0;
    for (const auto& entry : catalogue.Entries()) {
        const auto row = rows.find(entry.Nuclide);
        if (row == rows.end()) continue;
        std::vector<Value> record{entry.Nuclide, entry.HeaderText() + " (" + sourceName + ")"};
        for (const auto& value : row->second->Values) record.push_back(Nullable(value));
        record.emplace_back();
        record.emplace_back();
        record.emplace_back(++id);
        record.emplace_back(sourceFile + ":" + std::to_string(row->second->Line));
        table.Records.push_back(std::move(record));
    }
    return table;
}

}  // namespace quorvel::data

#include "internal_dose_table.hpp"

#include "age_groups.hpp"

#include <map>
#include <stdexcept>

namespace quorvel::data {

namespace {

struct OrganField {
    const char* sourceLabel;  // heading in the FGR-13 organ files
    const char* name;
    std::size_t position;
};

constexpr std::size_t idPosition = 40;
constexpr std::size_t heartWallPosition = 41;
constexpr std::size_t extrathoracicPosition = 42;

const OrganField organFields[] = {
    {"Adrenals", "Adrenals", 7},
    {"UB_Wall", "Bladder Wall", 8},
    {"Bone_Sur", "Bone Surface", 9},
    {"Brain", "Brain", 10},
    {"Breasts", "Breasts", 11},
    {"St_Wall", "Stomach Wall", 12},
    {"SI_Wall", "Small Intestine Wall", 13},
    {"ULI_Wall", "Upper Large Intestine Wall", 14},
    {"LLI_Wall", "Lower Large Intestine Wall", 15},
    {"Kidneys", "Kidneys", 16},
    {"Liver", "Liver", 17},
    {"ET1-bas", "Extrathoracic Airways ET1 Basal Cells", 18},
    {"ET2-bas", "Extrathoracic Airways ET2 Basal Cells", 19},
    {"LN-ET", "Extrathoracic Lymph Nodes", 20},
    {"BBi-bas", "Bronchial Basal Cells", 21},
    {"BBi-sec", "Bronchial Secretory Cells", 22},
    {"bbe-sec", "Bronchiolar Secretory Cells", 23},
    {"AI", "Alveolar-Interstitial Region", 24},
    {"LN-Th", "Thoracic Lymph Nodes", 25},
    {"Muscle", "Muscle", 26},
    {"Ovaries", "Ovaries", 27},
    {"Pancreas", "Pancreas", 28},
    {"R_Marrow", "Red Marrow", 29},
    {"Skin", "Skin", 30},
    {"Spleen", "Spleen", 31},
    {"Testes", "Testes", 32},
    {"Thymus", "Thymus", 33},
    {"Thyroid", "Thyroid", 34},
    {"Uterus", "Uterus", 35},
    {"Lung_66", "Lungs", 36},
    {"GB_Wall", "Gall Bladder Wall", 38},
    {"Ht_Wall", "Heart Wall", heartWallPosition},
    {"ET_Reg", "Extrathoracic Region", extrathoracicPosition},
};
constexpr std::size_t remainderPosition = 37;
constexpr std::size_t effectivePosition = 39;

std::vector<Field> fieldsOf(IntakeRoute route)
{
    std::vector<Field> fields(extrathoracicPosition + 1);
    fields[0] = {"Nuclide", FieldType::Text};
    fields[1] = {"Nuclide and Half-life", FieldType::Text};
    fields[2] = {"Form", FieldType::Text};
    fields[3] = {"Age", FieldType::Integer};
    fields[4] = {"f1 (Gut Uptake Fraction)", FieldType::Real};
    fields[5] = {"Nlet", FieldType::Integer};
    fields[6] = {"LET Type", FieldType::Text};
    for (const auto& organ : organFields)
        fields[organ.position] = {organ.name, FieldType::Real};
    fields[remainderPosition] = {"Remainder", FieldType::Real};
    fields[effectivePosition] = {"Effective Dose (e50)", FieldType::Real};
    fields[idPosition] = {"ID", FieldType::Integer};
    if (route == IntakeRoute::Inhalation) {
        fields.push_back({"Absorption Type", FieldType::Text});
        fields.push_back({"AMAD (um)", FieldType::Text});
    }
    fields.push_back({"Biokinetic Model", FieldType::Text});
    fields.push_back({"Source", FieldType::Text});
    return fields;
}

// Table position of each organ column of the source files.
std::vector<std::size_t> organPositions(const std::vector<std::string>& organLabels)
{
    std::vector<std::size_t> positions;
    for (const auto& label : organLabels) {
        const OrganField* match = nullptr;
        for (const auto& organ : organFields)
            if (label == organ.sourceLabel)
                match = &organ;
        if (!match)
            throw std::runtime_error("unknown organ column '" + label + "' in the FGR-13 organ file");
        positions.push_back(match->position);
    }
    return positions;
}

}  // namespace

Table internalDoseTable(const std::string& tableName, const InternalDoses& doses,
                        const NuclideCatalogue& catalogue, const std::vector<std::string>& organLabels,
                        IntakeRoute route)
{
    Table table{tableName, fieldsOf(route), {}};
    const auto positions = organPositions(organLabels);
    std::int64_t id = 0;
    for (const auto& entry : catalogue.entries()) {
        const auto forms = doses.find(entry.nuclide);
        if (forms == doses.end())
            continue;
        for (const auto& form : forms->second)
            for (const auto& group : ageGroups) {
                const auto block = form.blocks.find(group.days);
                if (block == form.blocks.end())
                    continue;
                for (const auto& dose : block->second) {
                    std::vector<Value> record(table.fields.size());
                    record[0] = entry.nuclide;
                    record[1] = entry.headerText();
                    record[2] = form.subtitle;
                    record[3] = std::int64_t{group.days};
                    record[4] = nullable(dose.f1);
                    record[5] = static_cast<std::int64_t>(block->second.size());
                    record[6] = dose.letType;
                    for (std::size_t k = 0; k < positions.size() && k < dose.organs.size(); ++k)
                        record[positions[k]] = nullable(dose.organs[k]);
                    record[remainderPosition] = nullable(dose.remainder);
                    record[effectivePosition] = nullable(dose.effective);
                    record[idPosition] = ++id;
                    std::size_t next = extrathoracicPosition + 1;
                    if (route == IntakeRoute::Inhalation) {
                        record[next++] = form.absorptionType.empty() ? Value() : Value(form.absorptionType);
                        record[next++] = form.amad.empty() ? Value() : Value(form.amad);
                    }
                    record[next++] = form.model.empty() ? Value() : Value(form.model);
                    record[next] = dose.source;
                    table.records.push_back(std::move(record));
                }
            }
    }
    return table;
}

}  // namespace quorvel::data

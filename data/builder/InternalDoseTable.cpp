#include "InternalDoseTable.h"

#include <map>
#include <stdexcept>

#include "AgeGroups.h"

namespace quorvel::data {

namespace {

struct OrganField {
    const char* SourceLabel;  // heading in the FGR-13 organ files
    const char* Name;
    std::size_t Position;
};

constexpr std::size_t IdPosition = 40;
constexpr std::size_t HeartWallPosition = 41;
constexpr std::size_t ExtrathoracicPosition = 42;

const OrganField OrganFields[] = {
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
    {"Ht_Wall", "Heart Wall", HeartWallPosition},
    {"ET_Reg", "Extrathoracic Region", ExtrathoracicPosition},
};
constexpr std::size_t RemainderPosition = 37;
constexpr std::size_t EffectivePosition = 39;

std::vector<Field> FieldsOf(IntakeRoute route) {
    std::vector<Field> fields(ExtrathoracicPosition + 1);
    fields[0] = {"Nuclide", FieldType::Text};
    fields[1] = {"Nuclide and Half-life", FieldType::Text};
    fields[2] = {"Form", FieldType::Text};
    fields[3] = {"Age", FieldType::Integer};
    fields[4] = {"f1 (Gut Uptake Fraction)", FieldType::Real};
    fields[5] = {"Nlet", FieldType::Integer};
    fields[6] = {"LET Type", FieldType::Text};
    for (const auto& organ : OrganFields) fields[organ.Position] = {organ.Name, FieldType::Real};
    fields[RemainderPosition] = {"Remainder", FieldType::Real};
    fields[EffectivePosition] = {"Effective Dose (e50)", FieldType::Real};
    fields[IdPosition] = {"ID", FieldType::Integer};
    if (route == IntakeRoute::Inhalation) {
        fields.push_back({"Absorption Type", FieldType::Text});
        fields.push_back({"AMAD (um)", FieldType::Text});
    }
    fields.push_back({"Biokinetic Model", FieldType::Text});
    fields.push_back({"Source", FieldType::Text});
    return fields;
}

// Table position of each organ column of the source files.
std::vector<std::size_t> OrganPositions(const std::vector<std::string>& organLabels) {
    std::vector<std::size_t> positions;
    for (const auto& label : organLabels) {
        const OrganField* match = nullptr;
        for (const auto& organ : OrganFields)
            if (label == organ.SourceLabel) match = &organ;
        if (!match) throw std::runtime_error("unknown organ column '" + label + "' in the FGR-13 organ file");
        positions.push_back(match->Position);
    }
    return positions;
}

}  // namespace

Table InternalDoseTable(const std::string& tableName, const InternalDoses& doses, const NuclideCatalogue& catalogue,
                        const std::vector<std::string>& organLabels, IntakeRoute route) {
    Table table{tableName, FieldsOf(route), {}};
    const auto positions = OrganPositions(organLabels);
    std::int64_t id = 0;
    for (const auto& entry : catalogue.Entries()) {
        const auto forms = doses.find(entry.Nuclide);
        if (forms == doses.end()) continue;
        for (const auto& form : forms->second)
            for (const auto& group : AgeGroups) {
                const auto block = form.Blocks.find(group.Days);
                if (block == form.Blocks.end()) continue;
                for (const auto& dose : block->second) {
                    std::vector<Value> record(table.Fields.size());
                    record[0] = entry.Nuclide;
                    record[1] = entry.HeaderText();
                    record[2] = form.Subtitle;
                    record[3] = std::int64_t{group.Days};
                    record[4] = Nullable(dose.F1);
                    record[5] = static_cast<std::int64_t>(block->second.size());
                    record[6] = dose.LetType;
                    for (std::size_t k = 0; k < positions.size() && k < dose.Organs.size(); ++k)
                        record[positions[k]] = Nullable(dose.Organs[k]);
                    record[RemainderPosition] = Nullable(dose.Remainder);
                    record[EffectivePosition] = Nullable(dose.Effective);
                    record[IdPosition] = ++id;
                    std::size_t next = ExtrathoracicPosition + 1;
                    if (route == IntakeRoute::Inhalation) {
                        record[next++] = form.AbsorptionType.empty() ? Value() : Value(form.AbsorptionType);
                        record[next++] = form.Amad.empty() ? Value() : Value(form.Amad);
                    }
                    record[next++] = form.Model.empty() ? Value() : Value(form.Model);
                    record[next] = dose.Source;
                    table.Records.push_back(std::move(record));
                }
            }
    }
    return table;
}

}  // namespace quorvel::data

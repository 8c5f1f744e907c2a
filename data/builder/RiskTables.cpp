#include "RiskTables.h"

#include <cmath>
#include <string>

#include "SourceNumberText.h"

namespace quorvel::data {

namespace {

// The viewer heads a column whose name begins with "Mor" with the name from its tenth
// character on, so "Mortality Age 0-5" is headed "Age 0-5" under "Mortality". The bands are
// the ages at intake of the source's columns; 0-110 is the lifetime coefficient.
std::vector<Field> DisplayedFields() {
    std::vector<Field> fields{{"Cancer Site", FieldType::Text}};
    for (const char* kind : {"Mortality", "Morbidity"})
        for (const char* band : {"Age 0-5", "Age 5-15", "Age 15-25", "Age 25-70", "Lifetime 0-110"})
            fields.push_back({std::string(kind) + " " + band, FieldType::Real});
    return fields;
}

Table RiskTable(const char* name, std::vector<Field> keys) {
    Table table{name, std::move(keys), {}};
    for (auto& field : DisplayedFields()) table.Fields.push_back(field);
    table.Fields.push_back({"Source", FieldType::Text});
    return table;
}

// The intakes as FGR-13 writes them, and as a reader says them.
const std::pair<const char*, const char*> Intakes[] = {{"D Water", "Tap Water"}, {"Dietary", "Food"}};

std::string Capitalised(std::string site) {
    if (!site.empty() && site.front() >= 'a' && site.front() <= 'z')
        site.front() = static_cast<char>(site.front() - 'a' + 'A');
    return site;
}

std::optional<double> AdultF1(const DoseForm& form) {
    const auto adult = form.Blocks.find(7300);
    return adult == form.Blocks.end() || adult->second.empty() ? std::nullopt : adult->second.front().F1;
}

}  // namespace

Table IngestionRiskTable(const Fgr13RiskFile& file, const std::string& displayName,
                         const std::map<std::string, std::vector<std::string>>& formNames,
                         const InternalDoses& ingestionDoses, QualityReport& report) {
    Table table = RiskTable("FGR13INGRBS", {{"Nuclide", FieldType::Text},
                                            {"Intake", FieldType::Text},
                                            {"Form", FieldType::Text},
                                            {"f_1", FieldType::Real},
                                            {"ID", FieldType::Integer}});
    std::map<std::string, std::size_t> formCounts;
    for (const auto& form : file.Forms) ++formCounts[form.Nuclide];
    std::map<std::string, std::size_t> formsSeen;
    std::int64_t id = 0;
    for (const auto& form : file.Forms) {
        const std::size_t index = formsSeen[form.Nuclide]++;
        const std::size_t count = formCounts[form.Nuclide];
        const int firstLine = form.Runs.front().Sites.empty() ? 0 : form.Runs.front().Sites.front().Line;

        const auto doses = ingestionDoses.find(form.Nuclide);
        if (doses == ingestionDoses.end() || doses->second.size() != count)
            report.Note(displayName, firstLine, form.Nuclide + ": the organ doses list another number of forms");
        else if (const auto f1 = AdultF1(doses->second[index]);
                 !f1 || !form.F1 || std::abs(*f1 - *form.F1) > 1e-9 * *form.F1)
            report.Note(
                displayName, firstLine,
                form.Nuclide + ": form " + std::to_string(index + 1) + " has another adult f1 in the organ doses");

        Value formText;
        if (count > 1) {
            const auto named = formNames.find(form.Nuclide);
            if (named != formNames.end() && index < named->second.size() && !named->second[index].empty())
                formText = named->second[index];
            else
                formText = "form " + std::to_string(index + 1) + " of " + std::to_string(count) +
                           " (f1 = " + (form.F1 ? ShortNumberText(*form.F1) : std::string("not given")) + ")";
        }
        for (const auto& run : form.Runs) {
            bool known = false;
            for (const auto& [written, spoken] : Intakes) known = known || run.Intake == written;
            if (!known)
                report.Note(displayName, run.Sites.empty() ? 0 : run.Sites.front().Line,
                            form.Nuclide + ": intake '" + run.Intake + "' unknown: run left out");
        }
        for (const auto& [written, spoken] : Intakes)
            for (const auto& run : form.Runs) {
                if (run.Intake != written) continue;
                for (const auto& site : run.Sites) {
                    std::vector<Value> record{form.Nuclide, std::string(spoken),   formText, Nullable(form.F1),
                                              ++id,         Capitalised(site.Site)};
                    for (const auto& value : site.Values) record.push_back(Nullable(value));
                    record.emplace_back(displayName + ":" + std::to_string(site.Line));
                    table.Records.push_back(std::move(record));
                }
            }
    }
    return table;
}

Table InhalationRiskTable() {
    return RiskTable("FGR13INHRBS", {{"Nuclide", FieldType::Text},
                                     {"Form", FieldType::Text},
                                     {"f_1", FieldType::Real},
                                     {"ID", FieldType::Integer}});
}

Table ExternalRiskTable() {
    return RiskTable("FGR13extRBS",
                     {{"Nuclide", FieldType::Text}, {"Mode", FieldType::Text}, {"ID", FieldType::Integer}});
}

}  // namespace quorvel::data

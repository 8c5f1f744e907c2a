#include "risk_tables.hpp"

#include "number_text.hpp"

#include <cmath>
#include <string>

namespace quorvel::data {

namespace {

// The viewer heads a column whose name begins with "Mor" with the name from its tenth
// character on, so "Mortality Age 0-5" is headed "Age 0-5" under "Mortality". The bands are
// the ages at intake of the source's columns; 0-110 is the lifetime coefficient.
std::vector<Field> displayedFields()
{
    std::vector<Field> fields{{"Cancer Site", FieldType::Text}};
    for (const char* kind : {"Mortality", "Morbidity"})
        for (const char* band : {"Age 0-5", "Age 5-15", "Age 15-25", "Age 25-70", "Lifetime 0-110"})
            fields.push_back({std::string(kind) + " " + band, FieldType::Real});
    return fields;
}

Table riskTable(const char* name, std::vector<Field> keys)
{
    Table table{name, std::move(keys), {}};
    for (auto& field : displayedFields())
        table.fields.push_back(field);
    table.fields.push_back({"Source", FieldType::Text});
    return table;
}

// The intakes as FGR-13 writes them, and as a reader says them.
const std::pair<const char*, const char*> intakes[] = {{"D Water", "Tap Water"}, {"Dietary", "Food"}};

std::string capitalised(std::string site)
{
    if (!site.empty() && site.front() >= 'a' && site.front() <= 'z')
        site.front() = static_cast<char>(site.front() - 'a' + 'A');
    return site;
}

std::optional<double> adultF1(const DoseForm& form)
{
    const auto adult = form.blocks.find(7300);
    return adult == form.blocks.end() || adult->second.empty() ? std::nullopt : adult->second.front().f1;
}

}  // namespace

Table ingestionRiskTable(const Fgr13RiskFile& file, const std::string& displayName,
                         const std::map<std::string, std::vector<std::string>>& formNames,
                         const InternalDoses& ingestionDoses, QualityReport& report)
{
    Table table = riskTable("FGR13INGRBS", {{"Nuclide", FieldType::Text},
                                            {"Intake", FieldType::Text},
                                            {"Form", FieldType::Text},
                                            {"f_1", FieldType::Real},
                                            {"ID", FieldType::Integer}});
    std::map<std::string, std::size_t> formCounts;
    for (const auto& form : file.forms)
        ++formCounts[form.nuclide];
    std::map<std::string, std::size_t> formsSeen;
    std::int64_t id = 0;
    for (const auto& form : file.forms) {
        const std::size_t index = formsSeen[form.nuclide]++;
        const std::size_t count = formCounts[form.nuclide];
        const int firstLine = form.runs.front().sites.empty() ? 0 : form.runs.front().sites.front().line;

        const auto doses = ingestionDoses.find(form.nuclide);
        if (doses == ingestionDoses.end() || doses->second.size() != count)
            report.note(displayName, firstLine, form.nuclide + ": the organ doses list another number of forms");
        else if (const auto f1 = adultF1(doses->second[index]);
                 !f1 || !form.f1 || std::abs(*f1 - *form.f1) > 1e-9 * *form.f1)
            report.note(displayName, firstLine, form.nuclide + ": form " + std::to_string(index + 1) +
                        " has another adult f1 in the organ doses");

        Value formText;
        if (count > 1) {
            const auto named = formNames.find(form.nuclide);
            if (named != formNames.end() && index < named->second.size() && !named->second[index].empty())
                formText = named->second[index];
            else
                formText = "form " + std::to_string(index + 1) + " of " + std::to_string(count) + " (f1 = " +
                           (form.f1 ? shortNumberText(*form.f1) : std::string("not given")) + ")";
        }
        for (const auto& run : form.runs) {
            bool known = false;
            for (const auto& [written, spoken] : intakes)
                known = known || run.intake == written;
            if (!known)
                report.note(displayName, run.sites.empty() ? 0 : run.sites.front().line,
                            form.nuclide + ": intake '" + run.intake + "' unknown: run left out");
        }
        for (const auto& [written, spoken] : intakes)
            for (const auto& run : form.runs) {
                if (run.intake != written)
                    continue;
                for (const auto& site : run.sites) {
                    std::vector<Value> record{form.nuclide, std::string(spoken), formText, nullable(form.f1),
                                              ++id, capitalised(site.site)};
                    for (const auto& value : site.values)
                        record.push_back(nullable(value));
                    record.emplace_back(displayName + ":" + std::to_string(site.line));
                    table.records.push_back(std::move(record));
                }
            }
    }
    return table;
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

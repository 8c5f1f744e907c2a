#include "internal_doses.hpp"

#include "age_groups.hpp"
#include "number_text.hpp"

#include <stdexcept>

namespace quorvel::data {

namespace {

std::string ageName(int days)
{
    for (const auto& group : ageGroups)
        if (group.days == days)
            return group.description;
    throw std::runtime_error("age of " + std::to_string(days) + " days is not one of the age groups");
}

// "f1 = 1" or "f1 = 0.6 (3 Months), 0.4 (1 Year to Adult)": f1 often differs for infants.
std::string describeF1(const std::map<int, std::optional<double>>& f1ByAge)
{
    std::vector<std::pair<std::optional<double>, std::vector<int>>> runs;
    for (const auto& [days, f1] : f1ByAge) {
        if (runs.empty() || runs.back().first != f1)
            runs.push_back({f1, {}});
        runs.back().second.push_back(days);
    }
    if (runs.size() == 1)
        return "f1 = " + (runs[0].first ? shortNumberText(*runs[0].first) : std::string("(not given)"));
    std::string text = "f1 = ";
    for (std::size_t k = 0; k < runs.size(); ++k) {
        const auto& [f1, ages] = runs[k];
        text += (k ? ", " : "") + (f1 ? shortNumberText(*f1) : std::string("(not given)")) + " (" +
                ageName(ages.front()) + (ages.size() > 1 ? " to " + ageName(ages.back()) : "") + ")";
    }
    return text;
}

// "Type F, AMAD 1 um" for particulates, "Class V" for the gases and vapours of FGR-13.
std::string describeAbsorption(const std::string& type, const std::string& amad)
{
    if (type.empty())
        return {};
    const bool particulate = type == "F" || type == "M" || type == "S";
    std::string text = (particulate ? "Type " : "Class ") + type;
    const ParsedNumber size = parseNumber(amad, ExponentRule::Optional);
    if (size.value && *size.value > 0)
        text += ", AMAD " + shortNumberText(*size.value) + " um";
    return text + ", ";
}

std::string lineSource(const std::string& file, int line)
{
    return file + ":" + std::to_string(line);
}

}  // namespace

InternalDoses organDoseForms(const Fgr13OrganFile& file, const std::string& displayName,
                             QualityReport& report)
{
    InternalDoses doses;
    std::map<std::pair<std::string, int>, std::size_t> formsSeen;  // (nuclide, age) -> lines so far
    std::map<std::pair<std::string, std::size_t>, std::map<int, std::optional<double>>> f1s;
    for (const auto& line : file.lines) {
        auto& forms = doses[line.nuclide];
        const std::size_t formIndex = formsSeen[{line.nuclide, line.ageDays}]++;
        if (formIndex == forms.size()) {
            DoseForm form;
            form.absorptionType = line.absorptionClass;
            form.amad = line.amad;
            form.model = line.modelFile;
            forms.push_back(form);
        }
        auto& form = forms[formIndex];
        if (form.absorptionType != line.absorptionClass || form.model != line.modelFile)
            report.note(displayName, line.line, line.nuclide + ": form " + std::to_string(formIndex + 1) +
                        " differs from the same form at other ages");
        f1s[{line.nuclide, formIndex}][line.ageDays] = line.f1;
        auto& block = form.blocks[line.ageDays];
        if (!block.empty()) {
            report.note(displayName, line.line, line.nuclide + ": second line for the same form and age: left out");
            continue;
        }
        block.push_back({line.f1, line.letType, line.organs, line.remainder, line.effective, lineSource(displayName, line.line)});
        if (line.highLet)
            block.push_back({std::nullopt, "H", *line.highLet, std::nullopt, std::nullopt,
                             lineSource(displayName, line.highLetLine)});
    }
    for (auto& [nuclide, forms] : doses)
        for (std::size_t k = 0; k < forms.size(); ++k) {
            auto& form = forms[k];
            form.subtitle = describeAbsorption(form.absorptionType, form.amad) + describeF1(f1s[{nuclide, k}]) +
                            "; FGR-13 organ doses" + (form.model.empty() ? "" : " (" + form.model + ")");
            if (form.blocks.size() != ageGroups.size())
                report.note(displayName, 0, nuclide + ": form " + std::to_string(k + 1) + " has " +
                            std::to_string(form.blocks.size()) + " of the 6 age groups");
        }
    return doses;
}

void addEffectiveDoseForms(InternalDoses& doses, const std::vector<EffectiveDoseRow>& rows,
                           const NuclideNamer& namer, const std::set<std::string>& covered,
                           IntakeRoute route, const std::string& kind, bool addTypesTheOrganSetLacks,
                           QualityReport& report)
{
    std::map<std::string, std::set<std::string>> organSetTypes;
    for (const auto& nuclide : covered)
        if (const auto forms = doses.find(nuclide); forms != doses.end())
            for (const auto& form : forms->second)
                organSetTypes[nuclide].insert(form.absorptionType);
    const std::string amad = route == IntakeRoute::Inhalation && kind.empty() ? "1" : "";
    int superseded = 0;
    int typesAdded = 0;
    for (const auto& row : rows) {
        const auto name = namer.resolve(row.writtenName, row.halfLife);
        if (!name) {
            report.note(row.file, row.line, "nuclide name '" + row.writtenName + "' not understood: row left out");
            continue;
        }
        if (!name->remark.empty())
            report.note(row.file, row.line, name->remark);
        if (covered.contains(name->nuclide) &&
            (!addTypesTheOrganSetLacks || organSetTypes[name->nuclide].contains(row.absorptionType))) {
            ++superseded;
            continue;
        }
        typesAdded += covered.contains(name->nuclide) ? 1 : 0;
        std::string form = name->form;
        if (!row.formNote.empty())
            form += (form.empty() ? "" : " ") + row.formNote;
        DoseForm dose;
        dose.absorptionType = row.absorptionType;
        dose.amad = amad;
        std::map<int, std::optional<double>> f1ByAge;
        for (std::size_t a = 0; a < ageGroups.size(); ++a) {
            const int days = ageGroups[a].days;
            const auto f1 = a == 0 ? row.f1Infant : row.f1Older;
            f1ByAge[days] = f1;
            DoseRecord record{f1, "L", {}, std::nullopt, row.dose[a], lineSource(row.file, row.line)};
            dose.blocks[days].push_back(record);
        }
        const std::string absorption = kind.empty() ? describeAbsorption(row.absorptionType, amad)
                                                    : kind + (row.absorptionType.empty() ? "" : " (Type " +
                                                              row.absorptionType + ")") + ", ";
        dose.subtitle = (form.empty() ? "" : form + ", ") + absorption + describeF1(f1ByAge) +
                        "; ICRP-72 effective dose only";
        doses[name->nuclide].push_back(dose);
    }
    if (superseded > 0 && !rows.empty())
        report.note(rows.front().file, 0, std::to_string(superseded) + " rows not used: their nuclides have "
                    "FGR-13 organ doses, which take their place");
    if (typesAdded > 0)
        report.note(rows.front().file, 0, std::to_string(typesAdded) + " rows added after the FGR-13 organ doses of "
                    "their nuclides: absorption types the organ set lacks");
}

}  // namespace quorvel::data

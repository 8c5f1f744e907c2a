#include "InternalDoses.h"

#include <stdexcept>

#include "AgeGroups.h"
#include "SourceNumberText.h"

namespace quorvel::data {

namespace {

std::string AgeName(int days) {
    for (const auto& group : AgeGroups)
        if (group.Days == days) return group.Description;
    throw std::runtime_error("age of " + std::to_string(days) + " days is not one of the age groups");
}

// "f1 = 1" or "f1 = 0.6 (3 Months), 0.4 (1 Year to Adult)": f1 often differs for infants.
std::string DescribeF1(const std::map<int, std::optional<double>>& f1ByAge) {
    std::vector<std::pair<std::optional<double>, std::vector<int>>> runs;
    for (const auto& [days, f1] : f1ByAge) {
        if (runs.empty() || runs.back().first != f1) runs.push_back({f1, {}});
        runs.back().second.push_back(days);
    }
    if (runs.size() == 1)
        return "f1 = " + (runs[0].first ? ShortNumberText(*runs[0].first) : std::string("(not given)"));
    std::string text = "f1 = ";
    for (std::size_t k = 0; k < runs.size(); ++k) {
        const auto& [f1, ages] = runs[k];
        text += (k ? ", " : "") + (f1 ? ShortNumberText(*f1) : std::string("(not given)")) + " (" +
                AgeName(ages.front()) + (ages.size() > 1 ? " to " + AgeName(ages.back()) : "") + ")";
    }
    return text;
}

// "Type F, AMAD 1 um" for particulates, "Class V" for the gases and vapours of FGR-13.
std::string DescribeAbsorption(const std::string& type, const std::string& amad) {
    if (type.empty()) return {};
    const bool particulate = type == "F" || type == "M" || type == "S";
    std::string text = (particulate ? "Type " : "Class ") + type;
    const ParsedNumber size = ParseNumber(amad, ExponentRule::Optional);
    if (size.Value && *size.Value > 0) text += ", AMAD " + ShortNumberText(*size.Value) + " um";
    return text + ", ";
}

std::string LineSource(const std::string& file, int line) { return file + ":" + std::to_string(line); }

}  // namespace

InternalDoses OrganDoseForms(const Fgr13OrganFile& file, const std::string& displayName, QualityReport& report) {
    InternalDoses doses;
    std::map<std::pair<std::string, int>, std::size_t> formsSeen;  // (nuclide, age) -> lines so far
    std::map<std::pair<std::string, std::size_t>, std::map<int, std::optional<double>>> f1s;
    for (const auto& line : file.Lines) {
        auto& forms = doses[line.Nuclide];
        const std::size_t formIndex = formsSeen[{line.Nuclide, line.AgeDays}]++;
        if (formIndex == forms.size()) {
            DoseForm form;
            form.AbsorptionType = line.AbsorptionClass;
            form.Amad = line.Amad;
            form.Model = line.ModelFile;
            forms.push_back(form);
        }
        auto& form = forms[formIndex];
        if (form.AbsorptionType != line.AbsorptionClass || form.Model != line.ModelFile)
            report.Note(
                displayName, line.Line,
                line.Nuclide + ": form " + std::to_string(formIndex + 1) + " differs from the same form at other ages");
        f1s[{line.Nuclide, formIndex}][line.AgeDays] = line.F1;
        auto& block = form.Blocks[line.AgeDays];
        if (!block.empty()) {
            report.Note(displayName, line.Line, line.Nuclide + ": second line for the same form and age: left out");
            continue;
        }
        block.push_back(
            {line.F1, line.LetType, line.Organs, line.Remainder, line.Effective, LineSource(displayName, line.Line)});
        if (line.HighLet)
            block.push_back({std::nullopt, "H", *line.HighLet, std::nullopt, std::nullopt,
                             LineSource(displayName, line.HighLetLine)});
    }
    for (auto& [nuclide, forms] : doses)
        for (std::size_t k = 0; k < forms.size(); ++k) {
            auto& form = forms[k];
            form.Subtitle = DescribeAbsorption(form.AbsorptionType, form.Amad) + DescribeF1(f1s[{nuclide, k}]) +
                            "; FGR-13 organ doses" + (form.Model.empty() ? "" : " (" + form.Model + ")");
            if (form.Blocks.size() != AgeGroups.size())
                report.Note(displayName, 0,
                            nuclide + ": form " + std::to_string(k + 1) + " has " + std::to_string(form.Blocks.size()) +
                                " of the 6 age groups");
        }
    return doses;
}

void AddEffectiveDoseForms(InternalDoses& doses, const std::vector<EffectiveDoseRow>& rows, const NuclideNamer& namer,
                           const std::set<std::string>& covered, IntakeRoute route, const std::string& kind,
                           bool addTypesTheOrganSetLacks, QualityReport& report) {
    std::map<std::string, std::set<std::string>> organSetTypes;
    for (const auto& nuclide : covered)
        if (const auto forms = doses.find(nuclide); forms != doses.end())
            for (const auto& form : forms->second) organSetTypes[nuclide].insert(form.AbsorptionType);
    const std::string amad = route == IntakeRoute::Inhalation && kind.empty() ? "1" : "";
    int superseded = 0;
    int typesAdded = 0;
    for (const auto& row : rows) {
        const auto name = namer.Resolve(row.WrittenName, row.HalfLife);
        if (!name) {
            report.Note(row.File, row.Line, "nuclide name '" + row.WrittenName + "' not understood: row left out");
            continue;
        }
        if (!name->Remark.empty()) report.Note(row.File, row.Line, name->Remark);
        if (covered.contains(name->Nuclide) &&
            (!addTypesTheOrganSetLacks || organSetTypes[name->Nuclide].contains(row.AbsorptionType))) {
            ++superseded;
            continue;
        }
        typesAdded += covered.contains(name->Nuclide) ? 1 : 0;
        std::string form = name->Form;
        if (!row.FormNote.empty()) form += (form.empty() ? "" : " ") + row.FormNote;
        DoseForm dose;
        dose.AbsorptionType = row.AbsorptionType;
        dose.Amad = amad;
        std::map<int, std::optional<double>> f1ByAge;
        for (std::size_t a = 0; a < AgeGroups.size(); ++a) {
            const int days = AgeGroups[a].Days;
            const auto f1 = a == 0 ? row.F1Infant : row.F1Older;
            f1ByAge[days] = f1;
            DoseRecord record{f1, "L", {}, std::nullopt, row.Dose[a], LineSource(row.File, row.Line)};
            dose.Blocks[days].push_back(record);
        }
        const std::string absorption =
            kind.empty() ? DescribeAbsorption(row.AbsorptionType, amad)
                         : kind + (row.AbsorptionType.empty() ? "" : " (Type " + row.AbsorptionType + ")") + ", ";
        dose.Subtitle =
            (form.empty() ? "" : form + ", ") + absorption + DescribeF1(f1ByAge) + "; ICRP-72 effective dose only";
        doses[name->Nuclide].push_back(dose);
    }
    if (superseded > 0 && !rows.empty())
        report.Note(rows.front().File, 0,
                    std::to_string(superseded) +
                        " rows not used: their nuclides have "
                        "FGR-13 organ doses, which take their place");
    if (typesAdded > 0)
        report.Note(rows.front().File, 0,
                    std::to_string(typesAdded) +
                        " rows added after the FGR-13 organ doses of "
                        "their nuclides: absorption types the organ set lacks");
}

}  // namespace quorvel::data

#include "FormNames.h"

#include <cmath>

#include "AgeGroups.h"

namespace quorvel::data {

namespace {

struct ListedForm {
    std::string Nuclide;
    std::string Name;
    const EffectiveDoseRow* Row;
};

std::string ReadableName(const std::string& icrpName) {
    if (icrpName == "HTO") return "tritiated water (HTO)";
    if (icrpName == "OBT") return "organically bound tritium (OBT)";
    return icrpName;
}

bool SameF1(const DoseForm& form, const EffectiveDoseRow& row) {
    for (std::size_t a = 0; a < AgeGroups.size(); ++a) {
        const auto block = form.Blocks.find(AgeGroups[a].Days);
        if (block == form.Blocks.end() || block->second.empty()) continue;
        const auto& f1 = block->second.front().F1;
        const auto& listed = a == 0 ? row.F1Infant : row.F1Older;
        if (!f1 || !listed || std::abs(*f1 - *listed) > 1e-9 * *listed) return false;
    }
    return true;
}

// How far the form's effective doses lie from the row's, summed over the ages on a log scale.
double Distance(const DoseForm& form, const EffectiveDoseRow& row) {
    double sum = 0;
    for (std::size_t a = 0; a < AgeGroups.size(); ++a) {
        const auto block = form.Blocks.find(AgeGroups[a].Days);
        if (block == form.Blocks.end() || block->second.empty()) continue;
        const auto& effective = block->second.front().Effective;
        if (effective && row.Dose[a] && *effective > 0 && *row.Dose[a] > 0)
            sum += std::abs(std::log(*effective / *row.Dose[a]));
    }
    return sum;
}

// Same order and f1 alone are not enough: ICRP-72 lists methyl iodide before elemental iodine,
// the organ set has them the other way round. So each form's effective doses must also lie
// nearer the listed form in its place than any other listed form.
bool CertainlyTheSame(const std::vector<std::size_t>& members, const std::vector<DoseForm>& forms,
                      const std::vector<const ListedForm*>& candidates) {
    if (candidates.size() != members.size()) return false;
    for (std::size_t i = 0; i < members.size(); ++i) {
        const DoseForm& form = forms[members[i]];
        if (candidates[i]->Name.empty() || !SameF1(form, *candidates[i]->Row)) return false;
        const double own = Distance(form, *candidates[i]->Row);
        for (std::size_t j = 0; j < candidates.size(); ++j)
            if (j != i && Distance(form, *candidates[j]->Row) <= own) return false;
    }
    return true;
}

}  // namespace

std::map<std::string, std::vector<std::string>> NameRepeatedForms(InternalDoses& organForms,
                                                                  const std::vector<EffectiveDoseRow>& icrpRows,
                                                                  const NuclideNamer& namer) {
    std::vector<ListedForm> listed;
    for (const auto& row : icrpRows)
        if (const auto name = namer.Resolve(row.WrittenName, row.HalfLife)) {
            std::string form = name->Form;
            if (!row.FormNote.empty()) form += (form.empty() ? "" : " ") + row.FormNote;
            listed.push_back({name->Nuclide, form, &row});
        }

    std::map<std::string, std::vector<std::string>> names;
    for (auto& [nuclide, forms] : organForms) {
        std::map<std::string, std::vector<std::size_t>> byType;
        for (std::size_t k = 0; k < forms.size(); ++k) byType[forms[k].AbsorptionType].push_back(k);
        for (const auto& [type, members] : byType) {
            if (members.size() < 2) continue;
            std::vector<const ListedForm*> candidates;
            for (const auto& entry : listed)
                if (entry.Nuclide == nuclide && entry.Row->AbsorptionType == type) candidates.push_back(&entry);
            const bool certain = CertainlyTheSame(members, forms, candidates);
            auto& named = names[nuclide];
            named.resize(forms.size());
            for (std::size_t i = 0; i < members.size(); ++i) {
                auto& form = forms[members[i]];
                named[members[i]] = certain ? ReadableName(candidates[i]->Name) : std::string();
                const std::string label =
                    certain ? named[members[i]]
                            : "form " + std::to_string(i + 1) + " of " + std::to_string(members.size());
                form.Subtitle = label + ", " + form.Subtitle;
            }
        }
    }
    return names;
}

}  // namespace quorvel::data

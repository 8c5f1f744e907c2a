#include "form_names.hpp"

#include "age_groups.hpp"

#include <cmath>

namespace quorvel::data {

namespace {

struct ListedForm {
    std::string nuclide;
    std::string name;
    const EffectiveDoseRow* row;
};

std::string readableName(const std::string& icrpName)
{
    if (icrpName == "HTO")
        return "tritiated water (HTO)";
    if (icrpName == "OBT")
        return "organically bound tritium (OBT)";
    return icrpName;
}

bool sameF1(const DoseForm& form, const EffectiveDoseRow& row)
{
    for (std::size_t a = 0; a < ageGroups.size(); ++a) {
        const auto block = form.blocks.find(ageGroups[a].days);
        if (block == form.blocks.end() || block->second.empty())
            continue;
        const auto& f1 = block->second.front().f1;
        const auto& listed = a == 0 ? row.f1Infant : row.f1Older;
        if (!f1 || !listed || std::abs(*f1 - *listed) > 1e-9 * *listed)
            return false;
    }
    return true;
}

// How far the form's effective doses lie from the row's, summed over the ages on a log scale.
double distance(const DoseForm& form, const EffectiveDoseRow& row)
{
    double sum = 0;
    for (std::size_t a = 0; a < ageGroups.size(); ++a) {
        const auto block = form.blocks.find(ageGroups[a].days);
        if (block == form.blocks.end() || block->second.empty())
            continue;
        const auto& effective = block->second.front().effective;
        if (effective && row.dose[a] && *effective > 0 && *row.dose[a] > 0)
            sum += std::abs(std::log(*effective / *row.dose[a]));
    }
    return sum;
}

// Same order and f1 alone are not enough: ICRP-72 lists methyl iodide before elemental iodine,
// the organ set has them the other way round. So each form's effective doses must also lie
// nearer the listed form in its place than any other listed form.
bool certainlyTheSame(const std::vector<std::size_t>& members, const std::vector<DoseForm>& forms,
                      const std::vector<const ListedForm*>& candidates)
{
    if (candidates.size() != members.size())
        return false;
    for (std::size_t i = 0; i < members.size(); ++i) {
        const DoseForm& form = forms[members[i]];
        if (candidates[i]->name.empty() || !sameF1(form, *candidates[i]->row))
            return false;
        const double own = distance(form, *candidates[i]->row);
        for (std::size_t j = 0; j < candidates.size(); ++j)
            if (j != i && distance(form, *candidates[j]->row) <= own)
                return false;
    }
    return true;
}

}  // namespace

std::map<std::string, std::vector<std::string>> nameRepeatedForms(InternalDoses& organForms,
                                                                  const std::vector<EffectiveDoseRow>& icrpRows,
                                                                  const NuclideNamer& namer)
{
    std::vector<ListedForm> listed;
    for (const auto& row : icrpRows)
        if (const auto name = namer.resolve(row.writtenName, row.halfLife)) {
            std::string form = name->form;
            if (!row.formNote.empty())
                form += (form.empty() ? "" : " ") + row.formNote;
            listed.push_back({name->nuclide, form, &row});
        }

    std::map<std::string, std::vector<std::string>> names;
    for (auto& [nuclide, forms] : organForms) {
        std::map<std::string, std::vector<std::size_t>> byType;
        for (std::size_t k = 0; k < forms.size(); ++k)
            byType[forms[k].absorptionType].push_back(k);
        for (const auto& [type, members] : byType) {
            if (members.size() < 2)
                continue;
            std::vector<const ListedForm*> candidates;
            for (const auto& entry : listed)
                if (entry.nuclide == nuclide && entry.row->absorptionType == type)
                    candidates.push_back(&entry);
            const bool certain = certainlyTheSame(members, forms, candidates);
            auto& named = names[nuclide];
            named.resize(forms.size());
            for (std::size_t i = 0; i < members.size(); ++i) {
                auto& form = forms[members[i]];
                named[members[i]] = certain ? readableName(candidates[i]->name) : std::string();
                const std::string label = certain ? named[members[i]]
                                                  : "form " + std::to_string(i + 1) + " of " +
                                                        std::to_string(members.size());
                form.subtitle = label + ", " + form.subtitle;
            }
        }
    }
    return names;
}

}  // namespace quorvel::data

#include "ProgenyCells.h"

#include <algorithm>
#include <map>
#include <tuple>
#include <unordered_map>

#include "CaseFolding.h"
#include "NumberText.h"
#include "ScientificFormat.h"

namespace quorvel {

namespace {

using CellKey = std::tuple<std::size_t, std::string, std::string, std::string, RiskOutcome>;
using KeyedCells = std::map<CellKey, const Coefficient*>;

// Each cell by the position of its form among the nuclide's forms, then age, intake,
// descriptor and outcome; the form count alongside.
struct NuclideCells {
    KeyedCells Keyed;
    std::vector<std::pair<CellKey, const Coefficient*>> InOrder;  // as the table has them
    std::size_t Forms = 0;
};

NuclideCells KeyCells(const std::vector<const Coefficient*>& cells) {
    std::vector<std::string> forms;
    NuclideCells result;
    for (const Coefficient* cell : cells) {
        auto form = std::find(forms.begin(), forms.end(), cell->Form);
        if (form == forms.end()) form = forms.insert(forms.end(), cell->Form);
        const auto index = static_cast<std::size_t>(form - forms.begin());
        const CellKey key{index, cell->Age, cell->Intake, cell->Descriptor, cell->Outcome};
        result.Keyed.emplace(key, cell);
        result.InOrder.emplace_back(key, cell);
    }
    result.Forms = forms.size();
    return result;
}

}  // namespace

std::vector<ProgenyCell> AddProgenyToCells(const std::vector<Coefficient>& cells,
                                           const std::vector<std::string>& parents, const DecayData& decay,
                                           double cutoffSeconds, const TableKind& kind) {
    std::unordered_map<std::string, std::vector<const Coefficient*>> byNuclide;
    std::vector<std::string> order;
    for (const Coefficient& cell : cells) {
        auto& list = byNuclide[FoldCase(cell.Nuclide)];
        if (list.empty()) order.push_back(cell.Nuclide);
        list.push_back(&cell);
    }
    std::unordered_map<std::string, NuclideCells> keyed;
    const auto cellsOf = [&](const std::string& nuclide) -> const NuclideCells& {
        const std::string key = FoldCase(nuclide);
        auto found = keyed.find(key);
        if (found == keyed.end()) found = keyed.emplace(key, KeyCells(byNuclide[key])).first;
        return found->second;
    };

    std::vector<ProgenyCell> result;
    for (const std::string& parent : parents.empty() ? order : parents) {
        const auto members = ShortLivedProgeny(decay, parent, cutoffSeconds);
        for (const auto& [key, cell] : cellsOf(parent).InOrder) {
            ProgenyCell sum{*cell, cell->Value, {}};
            for (std::size_t m = 0; m < members.size() && !HoldsUptakeFraction(kind, *cell); ++m) {
                const NuclideCells& member = cellsOf(members[m].Nuclide);
                CellKey memberKey = key;
                if (std::get<0>(memberKey) >= member.Forms) std::get<0>(memberKey) = 0;
                const auto found = member.Keyed.find(memberKey);
                ProgenyTerm term{members[m].Nuclide, members[m].CumulativeFraction, std::nullopt, ""};
                if (found != member.Keyed.end() && found->second->Value) {
                    term.Value = found->second->Value;
                    term.Source = found->second->Source;
                    if (sum.Value) *sum.Value += term.Fraction * *term.Value;
                }
                sum.Terms.push_back(std::move(term));
            }
            result.push_back(std::move(sum));
        }
    }
    return result;
}

void TakeProgenyValue(Coefficient& cell, const std::optional<double>& value) {
    if (cell.Value == value) return;
    cell.Value = value;
    cell.Text = value ? FormatScientific(*value) : std::string();
}

std::string ProgenyUnitLabel(double cutoffSeconds) {
    return "+D, T1/2 < " + FormatGeneralNumber(cutoffSeconds / 86400) + " d";
}

}  // namespace quorvel

#include "ProgenySum.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <tuple>

#include "GridConventions.h"
#include "ScientificFormat.h"
#include "TableScan.h"

namespace quorvel {

namespace {

using CellKey = std::tuple<std::size_t, std::string, std::string, std::string, int>;

// Each cell's key: the position of its form among the nuclide's forms, then age, intake,
// descriptor and outcome.
std::map<CellKey, const Coefficient*> KeyCells(const std::vector<Coefficient>& cells) {
    std::vector<std::string> forms;
    std::map<CellKey, const Coefficient*> keyed;
    for (const Coefficient& cell : cells) {
        auto form = std::find(forms.begin(), forms.end(), cell.Form);
        if (form == forms.end()) form = forms.insert(forms.end(), cell.Form);
        const auto index = static_cast<std::size_t>(form - forms.begin());
        keyed.emplace(CellKey{index, cell.Age, cell.Intake, cell.Descriptor, cell.Outcome}, &cell);
    }
    return keyed;
}

std::size_t FormCount(const std::map<CellKey, const Coefficient*>& keyed) {
    std::size_t count = 0;
    for (const auto& [key, cell] : keyed) count = std::max(count, std::get<0>(key) + 1);
    return count;
}

}  // namespace

std::vector<ProgenyCell> AddShortLivedProgeny(CoefficientCatalogue& catalogue, const DecayData& decay,
                                              const TableKind& kind, int unitPosition, const std::string& nuclide,
                                              const ScanSelection& selection, double cutoffSeconds) {
    const auto members = ShortLivedProgeny(decay, nuclide, cutoffSeconds);
    ScanSelection scan = selection;
    scan.Nuclides = {nuclide};
    for (const auto& member : members) scan.Nuclides.push_back(member.Nuclide);
    const std::vector<Coefficient> cells = catalogue.Cells(kind, unitPosition, scan);

    std::map<std::string, std::vector<Coefficient>> byNuclide;
    for (const Coefficient& cell : cells) byNuclide[FoldCase(cell.Nuclide)].push_back(cell);
    const auto parentCells = byNuclide[FoldCase(nuclide)];
    std::vector<std::map<CellKey, const Coefficient*>> memberCells;
    for (const auto& member : members) memberCells.push_back(KeyCells(byNuclide[FoldCase(member.Nuclide)]));

    // The first row of an age-dependent dose table is f1, no coefficient: it stays the parent's.
    const bool ageDependent = kind.IsDose() && !kind.IsExternal();
    const std::string f1 = ageDependent ? catalogue.Choices(kind).Descriptors.front() : std::string();

    std::vector<ProgenyCell> result;
    const auto parentKeys = KeyCells(parentCells);
    for (const auto& [key, parent] : parentKeys) {
        ProgenyCell cell{*parent, parent->Value, {}};
        for (std::size_t m = 0; m < members.size() && !(ageDependent && parent->Descriptor == f1); ++m) {
            CellKey memberKey = key;
            if (std::get<0>(memberKey) >= FormCount(memberCells[m])) std::get<0>(memberKey) = 0;
            const auto found = memberCells[m].find(memberKey);
            ProgenyTerm term{members[m].Nuclide, members[m].CumulativeFraction, std::nullopt, ""};
            if (found != memberCells[m].end() && found->second->Value) {
                term.Value = found->second->Value;
                term.Source = found->second->Source;
                if (cell.Value) *cell.Value += term.Fraction * *term.Value;
            }
            cell.Terms.push_back(std::move(term));
        }
        result.push_back(std::move(cell));
    }
    // In the order the table shows them.
    std::sort(result.begin(), result.end(), [](const ProgenyCell& a, const ProgenyCell& b) {
        return std::tie(a.Parent.Row, a.Parent.Column) < std::tie(b.Parent.Row, b.Parent.Column);
    });
    return result;
}

std::string ProgenyLabel(const std::vector<ChainMember>& members, const std::vector<std::string>& missing) {
    if (members.empty()) return "+D (no short-lived progeny)";
    std::string label = "+D (";
    for (std::size_t k = 0; k < members.size(); ++k) {
        char fraction[32];
        std::snprintf(fraction, sizeof fraction, "%.4g", members[k].CumulativeFraction);
        label += (k ? ", " : "") + members[k].Nuclide + " x " + fraction;
        if (std::find(missing.begin(), missing.end(), members[k].Nuclide) != missing.end()) label += " (missing)";
    }
    return label + ")";
}

std::vector<std::string> MissingMembers(const std::vector<ProgenyCell>& cells) {
    std::vector<std::string> missing;
    for (const auto& cell : cells)
        for (const auto& term : cell.Terms)
            if (!term.Value && cell.Parent.Value &&
                std::find(missing.begin(), missing.end(), term.Nuclide) == missing.end())
                missing.push_back(term.Nuclide);
    return missing;
}

void ShowProgenyInGrid(FlexGrid& grid, const std::vector<ProgenyCell>& cells, const std::string& label) {
    for (const auto& cell : cells) {
        const int row = cell.Parent.Row, col = cell.Parent.Column;
        if (row < 0 || col < 0 || row >= grid.Rows() || col >= grid.Cols()) continue;
        grid.SetTextMatrix(row, col, cell.Value ? FormatScientific(*cell.Value) : std::string());
    }
    // Every table title ends in "Coefficients".
    const std::string title = "Coefficients";
    for (int row = 0; row < grid.Rows(); ++row) {
        const std::string& text = grid.TextMatrix(row, 0);
        if (text.size() >= title.size() && text.compare(text.size() - title.size(), title.size(), title) == 0)
            grid.SetTextMatrix(row, 0, text + " " + label);
    }
}

}  // namespace quorvel

namespace quorvel {

ProgenyBreakdown ApplyProgenyToTable(const std::string& databasePath, const CoefficientRequest& request,
                                     FlexGrid& grid, double cutoffSeconds) {
    CoefficientCatalogue catalogue(databasePath);
    const DecayData decay = DecayData::Read(catalogue.Connection());
    const TableKind kind{request.Type, request.PathwayCode, request.Geometry};
    ProgenyBreakdown breakdown;
    breakdown.Members = ShortLivedProgeny(decay, request.Nuclide, cutoffSeconds);
    breakdown.Cells =
        AddShortLivedProgeny(catalogue, decay, kind, request.UnitPosition, request.Nuclide, {}, cutoffSeconds);
    breakdown.Missing = MissingMembers(breakdown.Cells);
    breakdown.Label = ProgenyLabel(breakdown.Members, breakdown.Missing);
    if (!IsEmptyResultGrid(grid)) ShowProgenyInGrid(grid, breakdown.Cells, breakdown.Label);
    return breakdown;
}

}  // namespace quorvel

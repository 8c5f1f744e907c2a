#include "ProgenySum.h"

#include <algorithm>

namespace quorvel {

std::string ProgenyLabel(const std::vector<ChainMember>& members, const std::vector<std::string>& missing) {
    if (members.empty()) return "+D (no short-lived progeny)";
    std::string label = "+D (";
    for (std::size_t k = 0; k < members.size(); ++k) {
        label += (k ? ", " : "") + members[k].Nuclide + " x " + FormatFraction(members[k].CumulativeFraction);
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

ProgenyBreakdown AddProgenyToTable(CoefficientTable& table, const std::string& nuclide,
                                   const std::vector<CoefficientTable>& members, const DecayData& decay,
                                   double cutoffSeconds) {
    std::vector<Coefficient> cells = table.Cells;
    for (const CoefficientTable& member : members) cells.insert(cells.end(), member.Cells.begin(), member.Cells.end());
    ProgenyBreakdown breakdown;
    breakdown.Members = ShortLivedProgeny(decay, nuclide, cutoffSeconds);
    breakdown.Cells = AddProgenyToCells(cells, {nuclide}, decay, cutoffSeconds, table.Kind);
    for (std::size_t i = 0; i < table.Cells.size() && i < breakdown.Cells.size(); ++i)
        TakeProgenyValue(table.Cells[i], breakdown.Cells[i].Value);
    breakdown.Missing = MissingMembers(breakdown.Cells);
    breakdown.Label = ProgenyLabel(breakdown.Members, breakdown.Missing);
    table.TitleNote = breakdown.Label;
    return breakdown;
}

}  // namespace quorvel

#include "ProgenySum.h"

#include <algorithm>
#include <tuple>

#include "GridConventions.h"
#include "ScientificFormat.h"
#include "TableScan.h"

namespace quorvel {

std::vector<ProgenyCell> AddShortLivedProgeny(CoefficientCatalogue& catalogue, const TableKind& kind, int unitPosition,
                                              const std::string& nuclide, const ScanSelection& selection,
                                              double cutoffSeconds) {
    ScanSelection scan = selection;
    scan.Nuclides = {nuclide};
    std::vector<ProgenyCell> result = catalogue.ProgenyCellsOf(kind, unitPosition, scan, cutoffSeconds);
    // In the order the table shows them.
    std::stable_sort(result.begin(), result.end(), [](const ProgenyCell& a, const ProgenyCell& b) {
        return std::tie(a.Parent.Row, a.Parent.Column) < std::tie(b.Parent.Row, b.Parent.Column);
    });
    return result;
}

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

ProgenyBreakdown ApplyProgenyToTable(const std::string& databasePath, const CoefficientRequest& request, FlexGrid& grid,
                                     double cutoffSeconds) {
    CoefficientCatalogue catalogue(databasePath);
    const DecayData decay = DecayData::Read(catalogue.Connection());
    const TableKind kind{request.Type, request.PathwayCode, request.Geometry};
    ProgenyBreakdown breakdown;
    breakdown.Members = ShortLivedProgeny(decay, request.Nuclide, cutoffSeconds);
    breakdown.Cells = AddShortLivedProgeny(catalogue, kind, request.UnitPosition, request.Nuclide, {}, cutoffSeconds);
    breakdown.Missing = MissingMembers(breakdown.Cells);
    breakdown.Label = ProgenyLabel(breakdown.Members, breakdown.Missing);
    if (!IsEmptyResultGrid(grid)) ShowProgenyInGrid(grid, breakdown.Cells, breakdown.Label);
    return breakdown;
}

}  // namespace quorvel

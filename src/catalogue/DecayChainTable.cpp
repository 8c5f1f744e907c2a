#include "DecayChainTable.h"

#include <nlohmann/json.hpp>

#include "CaseFolding.h"
#include "CoefficientTables.h"
#include "GridConventions.h"
#include "NumberText.h"

namespace quorvel {

namespace {

std::string KindName(const TableKind& kind) {
    if (!kind.IsExternal()) return kind.Name();
    return FoldCase(GeometryCaption(kind.Geometry)) + (kind.IsDose() ? " dose" : " risk");
}

std::string Joined(const std::vector<std::string>& parts) {
    std::string text;
    for (const auto& part : parts) text += (text.empty() ? "" : ", ") + part;
    return text;
}

}  // namespace

std::vector<std::string> TablesHolding(CoefficientCatalogue& catalogue, const std::string& nuclide) {
    std::vector<std::string> tables;
    for (const TableKind& kind : AllTableKinds())
        if (TableHolds(catalogue.Session().Connection(), kind, &nuclide)) tables.push_back(KindName(kind));
    return tables;
}

std::vector<DecayChainRow> DecayChainRows(CoefficientCatalogue& catalogue, const DecayData& decay,
                                          const std::string& root, double cutoffSeconds) {
    const NuclideInfo* listed = catalogue.FindNuclide(root);
    const std::string name = listed ? listed->Nuclide : root;
    std::vector<DecayChainRow> rows{
        {name, "", listed ? listed->HalfLife : decay.HalfLifeText(root), 1, 1, "", TablesHolding(catalogue, name)}};
    for (const ChainMember& member : FollowDecayChain(decay, name, cutoffSeconds))
        rows.push_back({member.Nuclide, member.Parent, member.HalfLifeText, member.Fraction, member.CumulativeFraction,
                        !member.ShortLived                          ? "no (ends the chain)"
                        : decay.DaughtersOf(member.Nuclide).empty() ? "yes (decays to a stable nuclide)"
                                                                    : "yes",
                        TablesHolding(catalogue, member.Nuclide)});
    return rows;
}

FlexGrid DecayChainGrid(CoefficientCatalogue& catalogue, const DecayData& decay, const std::string& root,
                        double cutoffSeconds) {
    const std::vector<DecayChainRow> rows = DecayChainRows(catalogue, decay, root, cutoffSeconds);
    FlexGrid grid(DecayChainFirstMemberRow + 1 + static_cast<int>(rows.size()), 7);
    grid.SetColWidth(0, DescriptorColumnWidth);
    grid.SetColWidth(6, 4 * DescriptorColumnWidth);
    grid.SetTextMatrix(0, 0, "Decay Chain of " + rows.front().Nuclide);
    grid.SetTextMatrix(1, 0, "Cutoff: T1/2 < " + FormatGeneralNumber(cutoffSeconds / 86400) + " d");
    const char* headings[] = {
        "Nuclide", "Parent", "Half-life", "Branching Fraction", "Cumulative Fraction", "In +D", "Coefficient Tables"};
    for (int c = 0; c < 7; ++c) grid.SetTextMatrix(DecayChainFirstMemberRow - 1, c, headings[c]);
    for (int row : {0, 1, DecayChainFirstMemberRow - 1})
        for (int c = 0; c < (row == DecayChainFirstMemberRow - 1 ? 7 : 1); ++c) BoldTheCell(grid, row, c);
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const DecayChainRow& row = rows[k];
        const bool member = k > 0;
        const std::string cells[] = {row.Nuclide,
                                     row.Parent,
                                     row.HalfLife,
                                     member ? FormatFraction(row.Fraction) : "",
                                     FormatFraction(row.CumulativeFraction),
                                     row.InProgeny,
                                     Joined(row.Tables)};
        for (int c = 0; c < 7; ++c)
            grid.SetTextMatrix(DecayChainFirstMemberRow + static_cast<int>(k), c, cells[static_cast<std::size_t>(c)]);
    }
    return grid;
}

std::string DecayChainJson(CoefficientCatalogue& catalogue, const DecayData& decay, const std::string& root,
                           double cutoffSeconds) {
    const std::vector<DecayChainRow> rows = DecayChainRows(catalogue, decay, root, cutoffSeconds);
    nlohmann::ordered_json json;
    json["chain_of"] = rows.front().Nuclide;
    json["cutoff_days"] = cutoffSeconds / 86400;
    json["rows"] = nlohmann::ordered_json::array();
    for (const DecayChainRow& row : rows)
        json["rows"].push_back({{"nuclide", row.Nuclide},
                                {"parent", row.Parent},
                                {"half_life", row.HalfLife},
                                {"branching_fraction", row.Fraction},
                                {"cumulative_fraction", row.CumulativeFraction},
                                {"in_progeny", row.InProgeny},
                                {"tables", row.Tables}});
    return json.dump(1) + "\n";
}

}  // namespace quorvel

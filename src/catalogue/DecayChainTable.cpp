#include "DecayChainTable.h"

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

FlexGrid DecayChainGrid(CoefficientCatalogue& catalogue, const DecayData& decay, const std::string& root,
                        double cutoffSeconds) {
    const auto members = FollowDecayChain(decay, root, cutoffSeconds);
    const NuclideInfo* listed = catalogue.FindNuclide(root);
    const std::string name = listed ? listed->Nuclide : root;
    FlexGrid grid(DecayChainFirstMemberRow + 2 + static_cast<int>(members.size()), 7);
    grid.SetColWidth(0, DescriptorColumnWidth);
    grid.SetColWidth(6, 4 * DescriptorColumnWidth);
    grid.SetTextMatrix(0, 0, "Decay Chain of " + name);
    grid.SetTextMatrix(1, 0, "Cutoff: T1/2 < " + FormatGeneralNumber(cutoffSeconds / 86400) + " d");
    const char* headings[] = {
        "Nuclide", "Parent", "Half-life", "Branching Fraction", "Cumulative Fraction", "In +D", "Coefficient Tables"};
    for (int c = 0; c < 7; ++c) grid.SetTextMatrix(DecayChainFirstMemberRow - 1, c, headings[c]);
    for (int row : {0, 1, DecayChainFirstMemberRow - 1})
        for (int c = 0; c < (row == DecayChainFirstMemberRow - 1 ? 7 : 1); ++c) BoldTheCell(grid, row, c);

    const auto write = [&](int row, const std::string& nuclide, const std::vector<std::string>& cells) {
        grid.SetTextMatrix(row, 0, nuclide);
        for (std::size_t c = 0; c < cells.size(); ++c) grid.SetTextMatrix(row, static_cast<int>(c) + 1, cells[c]);
        grid.SetTextMatrix(row, 6, Joined(TablesHolding(catalogue, nuclide)));
    };
    write(DecayChainFirstMemberRow, name, {"", listed ? listed->HalfLife : decay.HalfLifeText(root), "", "1", ""});
    for (std::size_t k = 0; k < members.size(); ++k) {
        const ChainMember& member = members[k];
        write(DecayChainFirstMemberRow + 1 + static_cast<int>(k), member.Nuclide,
              {member.Parent, member.HalfLifeText, FormatFraction(member.Fraction),
               FormatFraction(member.CumulativeFraction),
               !member.ShortLived                          ? "no (ends the chain)"
               : decay.DaughtersOf(member.Nuclide).empty() ? "yes (decays to a stable nuclide)"
                                                           : "yes"});
    }
    return grid;
}

}  // namespace quorvel

#pragma once
// "+D" tables: the +D values of the catalogue put into a table as its builder made it, and
// the label that names what they count.

#include <optional>
#include <string>
#include <vector>

#include "CoefficientCatalogue.h"
#include "DecayChain.h"
#include "FlexGrid.h"

namespace quorvel {

// The cells of the parent's table (the selection's one nuclide) with their +D values. The
// member's cell is the one with the same age, intake, descriptor and outcome, of the
// member's form at the parent form's position (the member's first form where it has fewer).
std::vector<ProgenyCell> AddShortLivedProgeny(CoefficientCatalogue& catalogue, const TableKind& kind, int unitPosition,
                                              const std::string& nuclide, const ScanSelection& selection,
                                              double cutoffSeconds);

// "+D (Ba-137m x 0.946)": the members and fractions a +D table counts, the missing ones
// named; "+D (no short-lived progeny)" when there are none.
std::string ProgenyLabel(const std::vector<ChainMember>& members, const std::vector<std::string>& missing);

// The members of the cells' terms that lack a value somewhere.
std::vector<std::string> MissingMembers(const std::vector<ProgenyCell>& cells);

// Puts the +D values into the parent's table as its builder made it: every value cell the
// cells name, and the label after each table title.
void ShowProgenyInGrid(FlexGrid& grid, const std::vector<ProgenyCell>& cells, const std::string& label);

}  // namespace quorvel

namespace quorvel {

// What a +D table counted: the short-lived members and those of them without values.
struct ProgenyBreakdown {
    std::vector<ChainMember> Members;
    std::vector<std::string> Missing;
    std::vector<ProgenyCell> Cells;
    std::string Label;
};

// Turns the request's table, as its builder left it in the grid, into its +D table.
ProgenyBreakdown ApplyProgenyToTable(const std::string& databasePath, const CoefficientRequest& request, FlexGrid& grid,
                                     double cutoffSeconds);

}  // namespace quorvel

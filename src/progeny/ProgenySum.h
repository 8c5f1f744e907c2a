#pragma once
// "+D" tables: a table's cells turned into their +D values before anything shows them, the
// label that names what they count, and each value's terms.

#include <string>
#include <vector>

#include "Coefficient.h"
#include "DecayChain.h"
#include "ProgenyCells.h"

namespace quorvel {

// "+D (Ba-137m x 0.946)": the members and fractions a +D table counts, the missing ones
// named; "+D (no short-lived progeny)" when there are none.
std::string ProgenyLabel(const std::vector<ChainMember>& members, const std::vector<std::string>& missing);

// The members of the cells' terms that lack a value somewhere.
std::vector<std::string> MissingMembers(const std::vector<ProgenyCell>& cells);

// What a +D table counted: the short-lived members, those of them without values, each
// cell's terms (one for each cell of the table, in its order) and the label.
struct ProgenyBreakdown {
    std::vector<ChainMember> Members;
    std::vector<std::string> Missing;
    std::vector<ProgenyCell> Cells;
    std::string Label;
};

// Makes the table of the nuclide (as asked for) its +D table: every cell's value becomes
// the parent's plus the members' of the same cell (among the member tables given) times
// their cumulative branching fractions, and the label is said after each title.
ProgenyBreakdown AddProgenyToTable(CoefficientTable& table, const std::string& nuclide,
                                   const std::vector<CoefficientTable>& members, const DecayData& decay,
                                   double cutoffSeconds);

}  // namespace quorvel

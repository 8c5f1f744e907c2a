#pragma once
// A nuclide's decay chain as a table: each member with its half-life, the branching fraction
// from its parent, the cumulative fraction, whether a +D value counts it, and which
// coefficient tables hold it. The desktop's chain view and the command line show it.

#include <string>
#include <vector>

#include "CoefficientCatalogue.h"
#include "DecayChain.h"
#include "DecayData.h"
#include "FlexGrid.h"

namespace quorvel {

// "ingestion dose, submersion dose, ...": the table kinds that hold records of the nuclide.
std::vector<std::string> TablesHolding(CoefficientCatalogue& catalogue, const std::string& nuclide);

// A member of the chain as the table shows it; the root's has no parent and fractions of 1.
struct DecayChainRow {
    std::string Nuclide, Parent, HalfLife;
    double Fraction = 1, CumulativeFraction = 1;
    std::string InProgeny;  // whether a +D value counts it, in words; empty for the root
    std::vector<std::string> Tables;
};

// The root (as the list spells it where listed) and then each member in the chain's order.
std::vector<DecayChainRow> DecayChainRows(CoefficientCatalogue& catalogue, const DecayData& decay,
                                          const std::string& root, double cutoffSeconds);

// Title rows, a heading row, then the root and one row per member (bold headings); the
// rows of the members start at DecayChainFirstMemberRow + 1, in the chain's order.
FlexGrid DecayChainGrid(CoefficientCatalogue& catalogue, const DecayData& decay, const std::string& root,
                        double cutoffSeconds);

// The chain as JSON: "chain_of", "cutoff_days", and "rows" (nuclide, parent, half_life,
// branching_fraction and cumulative_fraction as numbers, in_progeny, tables).
std::string DecayChainJson(CoefficientCatalogue& catalogue, const DecayData& decay, const std::string& root,
                           double cutoffSeconds);
inline constexpr int DecayChainFirstMemberRow = 4;

}  // namespace quorvel

#pragma once
// "+D" values of table cells: a parent's value plus, for every short-lived member of its
// decay chain, the member's value of the same cell times the member's cumulative branching
// fraction (activity equilibrium). The member's cell is the one with the same age, intake,
// descriptor and outcome, of the member's form at the parent form's position (its first
// form where it has fewer). A member without a value is named as missing and adds nothing.

#include <optional>
#include <string>
#include <vector>

#include "Coefficient.h"
#include "DecayChain.h"

namespace quorvel {

struct ProgenyTerm {
    std::string Nuclide;
    double Fraction = 0;
    std::optional<double> Value;  // none: the database holds no value for this cell
    std::string Source;
};

struct ProgenyCell {
    Coefficient Parent;
    std::optional<double> Value;     // the parent's value plus the members' terms
    std::vector<ProgenyTerm> Terms;  // one per short-lived member, in chain order
};

// The +D cells of the parents' cells among the given ones of a table kind (every nuclide's
// when parents is empty); the members' cells must be among them too. The uptake fraction
// f1, no coefficient, keeps the parent's value.
std::vector<ProgenyCell> AddProgenyToCells(const std::vector<Coefficient>& cells,
                                           const std::vector<std::string>& parents, const DecayData& decay,
                                           double cutoffSeconds, const TableKind& kind);

// A cell with its +D value: the value and, where it changed, its text in the scientific
// format (a text without value, such as a risk table's "n/a", stays as it is).
void TakeProgenyValue(Coefficient& cell, const std::optional<double>& value);

// "+D, T1/2 < 180 d": how every output of +D values labels them.
std::string ProgenyUnitLabel(double cutoffSeconds);

}  // namespace quorvel

#pragma once
// The cell a view of the whole database (rank, explore, compare, a table's chart) starts at
// where the user names none. Dose: the adult's effective dose. Risk: the Total of every
// cancer site at the lifetime band of age at intake (the slope-factor convention), tap
// water, mortality.

#include <string>
#include <vector>

#include "CoefficientCatalogue.h"

namespace quorvel {

// The adult of a dose table (else its last age group); the lifetime band of a risk table
// (else its first band).
std::string DefaultAge(const TableKind& kind, const std::vector<std::string>& ages);

// The effective dose (the last row so named) of a dose table; the Total of a risk table;
// else the first row.
std::string DefaultDescriptor(const TableKind& kind, const std::vector<std::string>& descriptors);

// The choices' default cell, in the kind's first unit; empty parts where the choices have none.
Quantity DefaultQuantity(const TableKind& kind, const QuantityChoices& choices);

}  // namespace quorvel

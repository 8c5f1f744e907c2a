#pragma once
// One pass over one coefficient table: every cell it shows for every nuclide, computed
// by the same value rules as the table builders.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "Database.h"
#include "Quantity.h"
#include "StartUpReaders.h"

namespace quorvel {

// One cell of a coefficient table.
struct Coefficient {
    std::string Nuclide;  // as the table stores it
    // Dose: the block's subtitle; risk: the section's Form, else "f1 = " and its f_1.
    std::string Form;
    std::string Age;  // age group, or age band of a risk table
    std::string Intake;
    std::string Descriptor;
    int Outcome = MortalityOutcome;  // risk only
    std::optional<double> Value;     // none for an empty cell or a text
    std::string Text;                // as the table shows it
    std::string Source;              // "dir/FILE:LINE", empty when the table records none
    // Where the nuclide's table shows the cell; -1 when the scan was restricted to one age.
    int Row = -1;
    int Column = -1;
};

// What a scan keeps. Unset parts keep everything.
struct ScanSelection {
    std::vector<std::string> Nuclides;  // names compare without regard to case
    std::optional<std::string> Age;
    std::optional<std::string> Intake;
    std::optional<std::string> Descriptor;
    std::optional<int> Outcome;
};

// The selection of exactly the quantity's cells (its unit apart).
ScanSelection SelectionOf(const Quantity& quantity);

using CoefficientSink = std::function<void(Coefficient&&)>;

// The cells of one table kind in the unit given, nuclide by nuclide in the table's ID
// order, handed to the sink one by one. A damaged table is a DatabaseError.
void ScanTable(Database& database, const TableKind& kind, double unitFactor, const AgeGroups& ages,
               const ScanSelection& selection, const CoefficientSink& sink);
std::vector<Coefficient> ScanTable(Database& database, const TableKind& kind, double unitFactor, const AgeGroups& ages,
                                   const ScanSelection& selection);

// The text in lower case (ASCII letters only), as the builders' queries compare nuclide
// names and as user words are compared.
std::string FoldCase(std::string_view text);

}  // namespace quorvel

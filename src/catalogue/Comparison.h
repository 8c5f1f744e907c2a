#pragma once
// Nuclides side by side: one table kind at one age or band, the descriptors as rows and
// a column for each nuclide and form.

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "CoefficientCatalogue.h"

namespace quorvel {

// A comparison that cannot be made: a nuclide not in the list, too many or none.
class ComparisonError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr std::size_t MostComparedNuclides = 12;

struct ComparisonColumn {
    std::string Nuclide;  // as the list spells it
    std::string Form;
};

// A form as a legend or a heading can hold it: the part before the source note, without
// the f1 values when something else names the form.
std::string ShortForm(const std::string& form);

struct ComparisonCell {
    std::optional<double> Value;
    std::string Text;
    std::string Source;
};

struct Comparison {
    std::string Unit;  // of the coefficients, +D named
    std::vector<ComparisonColumn> Columns;
    std::vector<std::string> Descriptors;
    std::vector<std::string> Units;  // of each descriptor's row: Unit, or FractionUnit for the uptake fraction
    std::vector<std::vector<ComparisonCell>> Cells;  // [descriptor][column]

    // Two columns get a ratio column: the first over the second, where both have a value
    // and the second is not zero.
    bool HasRatio() const { return Columns.size() == 2; }
    std::optional<double> Ratio(std::size_t descriptor) const;
    // What tells a column from the others: its nuclide, and the short form where another
    // column is of the same nuclide.
    std::string ColumnName(std::size_t column) const;
    // Which is divided by which: "Cs-134 / Cs-137".
    std::string RatioHeading() const;
    // Rows of more than one unit (the uptake fraction among coefficients).
    bool MixesUnits() const;
};

// The quantity's table kind, age or band, intake, outcome and unit for each named
// nuclide (its descriptor is not used), from one pass over the table; the unit with the
// catalogue's +D label.
Comparison CompareNuclides(CoefficientCatalogue& catalogue, const Quantity& quantity,
                           const std::vector<std::string>& nuclides);

}  // namespace quorvel

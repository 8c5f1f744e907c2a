#pragma once
// Filtering, sorting and cutting the catalogue's rows, as the explore table and the
// command line's rank offer them.

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "CoefficientCatalogue.h"

namespace quorvel {

// A filter the user set that cannot be applied (a range upside down).
class FilterError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct RowFilter {
    // Element names match in either spelling of caesium/cesium, aluminium/aluminum and
    // sulphur/sulfur.
    std::string Text = {};     // part of the nuclide or element name, any case
    std::string Element = {};  // an element name or symbol, any case
    std::optional<int> ZMin = {}, ZMax = {};
    std::optional<double> HalfLifeMin = {}, HalfLifeMax = {};  // seconds
    std::optional<double> ValueMin = {}, ValueMax = {};
    bool ValuedOnly = false;  // leave out the rows whose cell is empty or text
};

// Whether a text, any case, is part of the nuclide's name or of its element's (either
// spelling of the elements spelled two ways): the name filter of every list of nuclides.
bool NamesNuclideOrElement(const NuclideInfo& nuclide, std::string_view text);

// A range whose lower end lies above its upper end is a FilterError naming the range.
void CheckFilter(const RowFilter& filter);

// The rows the filter keeps, in their order. A row without the number a range asks about
// (no value, no half-life) is left out by that range.
std::vector<CatalogueRow> FilterRows(const std::vector<CatalogueRow>& rows, const RowFilter& filter);

enum class RowColumn { Z, Element, Nuclide, HalfLife, Form, Value, Source };

// Sorts by one column, numerically for Z, half-life and value; rows without that number
// come last either way, and equal rows keep their order.
void SortRows(std::vector<CatalogueRow>& rows, RowColumn column, bool ascending);

// The first `top` rows (all when there are fewer).
void KeepTop(std::vector<CatalogueRow>& rows, std::size_t top);

}  // namespace quorvel

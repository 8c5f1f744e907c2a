#pragma once
// The charts of one nuclide's table, of a ranking and of a comparison, made from the
// catalogue's cells: the same numbers the grid shows, never computed a second time.

#include <stdexcept>
#include <string>
#include <vector>

#include "ChartData.h"
#include "CoefficientCatalogue.h"
#include "Comparison.h"

namespace quorvel {

// A chart kind, descriptor or age that the table does not offer (the text lists the
// choices), or a nuclide the list lacks (the text names the closest).
class ChartChoiceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The chart kinds a table kind offers, the first the default: "by-age" (one row of the
// table against the age groups or bands) and "organs" for the internal dose tables;
// "organs" for the external dose tables; "by-age" and "sites" (the cancer sites at one
// band) for the risk tables.
std::vector<std::string> ChartKindsOf(const TableKind& kind);

struct ChartChoice {
    std::string Kind;        // empty: the first of ChartKindsOf
    std::string Descriptor;  // the row of a "by-age" chart; empty: the effective dose, or the Total site
    std::string Age;         // the age of an "organs" or "sites" chart; empty: Adult, or the lifetime band
};

// The chart of the request's table (its nuclide, kind and unit) in the catalogue, with the
// catalogue's +D switch as it stands. A nuclide without coefficients gives a chart without
// values whose EmptyText is "(None Available)"; one not in the list, none. Choices match as the command line's words
// do (any case, a beginning enough); one that names nothing is a ChartChoiceError.
ChartData NuclideChart(CoefficientCatalogue& catalogue, const CoefficientRequest& request, const ChartChoice& choice);

// The title of a chart across nuclides: "Ingestion risk, Total, Food, Lifetime 0-110, mortality";
// the descriptor left out where the chart's groups are the descriptors.
std::string QuantityChartTitle(const Quantity& quantity, bool withDescriptor);

// The rows in their order, at most topN of them (0: all), as horizontal bars.
ChartData RankingChart(const std::vector<CatalogueRow>& rows, const std::string& title, const std::string& valueTitle,
                       std::size_t topN);

// Grouped bars: a group for each descriptor, a bar for each nuclide and form.
ChartData ComparisonChart(const Comparison& comparison, const std::string& title);

}  // namespace quorvel

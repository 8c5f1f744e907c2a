#pragma once
// A chart of coefficients as plain values: what the chart pane, the saved pictures and the
// command line draw. The numbers are the catalogue's, the same the grid shows.

#include <optional>
#include <string>
#include <vector>

namespace quorvel {

enum class ChartShape {
    Lines,           // one line per series over the categories (e.g. a dose against age group)
    Bars,            // vertical bars, one set per series
    HorizontalBars,  // horizontal bars (e.g. the organs of an external table)
};

struct ChartSeries {
    std::string Name;
    // One per category; none is a gap (an empty cell), never drawn as zero.
    std::vector<std::optional<double>> Values;
};

struct ChartData {
    std::string Title;          // the nuclide and the table
    std::string CategoryTitle;  // "Age group", "Organ", "Cancer site", ...
    std::string ValueTitle;     // carries the table's unit
    ChartShape Shape = ChartShape::Lines;
    bool Logarithmic = true;
    std::vector<std::string> Categories;
    std::vector<ChartSeries> Series;
    // Categories drawn apart from the others (H_E and E among the organs).
    std::vector<std::string> MarkedCategories;
    // Shown on an empty chart: "(None Available)" when the table has nothing.
    std::string EmptyText;

    bool HasValues() const;
};

}  // namespace quorvel

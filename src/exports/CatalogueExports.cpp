#include "CatalogueExports.h"

#include <cstdio>
#include <nlohmann/json.hpp>

namespace quorvel {

namespace {

TidyCell Plain(std::string text) { return {std::move(text), std::nullopt}; }

const char* OutcomeWord(const TableKind& kind, RiskOutcome outcome) {
    if (kind.IsDose()) return "";
    return outcome == RiskOutcome::Mortality ? "mortality" : "morbidity";
}

// Three significant digits, as the values it divides are shown.
std::string RatioText(double ratio) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3g", ratio);
    return text;
}

std::string ColumnHeading(const ComparisonColumn& column) {
    return column.Form.empty() ? column.Nuclide : column.Nuclide + " (" + column.Form + ")";
}

}  // namespace

void WriteComparison(const Comparison& comparison, const std::string& age, RowWriter& writer) {
    std::vector<OutputColumn> columns{{"Description (" + age + ")", "descriptor"}};
    for (const auto& column : comparison.Columns) columns.push_back({ColumnHeading(column), "value", true});
    if (comparison.HasRatio()) columns.push_back({comparison.RatioHeading(), "ratio", true});
    writer.Begin(columns, comparison.Unit);
    for (std::size_t d = 0; d < comparison.Descriptors.size(); ++d) {
        std::vector<TidyCell> cells{Plain(comparison.Descriptors[d])};
        for (const ComparisonCell& cell : comparison.Cells[d]) cells.push_back({cell.Text, cell.Value});
        if (comparison.HasRatio()) {
            const auto ratio = comparison.Ratio(d);
            cells.push_back({ratio ? RatioText(*ratio) : std::string(), ratio});
        }
        writer.Row(cells);
    }
    writer.End();
}

std::string ComparisonJson(const Comparison& comparison) {
    nlohmann::ordered_json json;
    json["unit"] = comparison.Unit;
    json["rows"] = nlohmann::ordered_json::array();
    for (std::size_t d = 0; d < comparison.Descriptors.size(); ++d)
        for (std::size_t c = 0; c < comparison.Columns.size(); ++c) {
            const ComparisonCell& cell = comparison.Cells[d][c];
            json["rows"].push_back({{"descriptor", comparison.Descriptors[d]},
                                    {"nuclide", comparison.Columns[c].Nuclide},
                                    {"form", comparison.Columns[c].Form},
                                    {"value", cell.Value ? nlohmann::ordered_json(*cell.Value) : nullptr},
                                    {"text", cell.Text},
                                    {"source", cell.Source}});
        }
    if (comparison.HasRatio()) {
        json["ratio_of"] = comparison.RatioHeading();
        json["ratios"] = nlohmann::ordered_json::array();
        for (std::size_t d = 0; d < comparison.Descriptors.size(); ++d) {
            const auto ratio = comparison.Ratio(d);
            json["ratios"].push_back({{"descriptor", comparison.Descriptors[d]},
                                      {"ratio", ratio ? nlohmann::ordered_json(*ratio) : nullptr}});
        }
    }
    return json.dump(1) + "\n";
}

void WriteRankedRows(const std::vector<CatalogueRow>& rows, const Quantity& quantity, const std::string& unit,
                     RowWriter& writer) {
    writer.Begin({{"Z", "z"},
                  {"Element", "element"},
                  {"Nuclide", "nuclide"},
                  {"Half-life", "half_life"},
                  {"Form", "form"},
                  {quantity.Descriptor + ", " + quantity.Age, "value", true},
                  {"Source", "source"}},
                 unit);
    for (const CatalogueRow& row : rows)
        writer.Row({Plain(row.Nuclide.Z),
                    Plain(row.Nuclide.Element),
                    Plain(row.Nuclide.Nuclide),
                    Plain(row.Nuclide.HalfLife),
                    Plain(row.Form),
                    {row.Text, row.Value},
                    Plain(row.Source)});
    writer.End();
}

void WriteEveryCoefficient(CoefficientCatalogue& catalogue, RowWriter& writer) {
    writer.Begin({{"Nuclide", "nuclide"},
                  {"Form", "form"},
                  {"Table", "table"},
                  {"Geometry", "geometry"},
                  {"Age", "age"},
                  {"Intake", "intake"},
                  {"Descriptor", "descriptor"},
                  {"Outcome", "outcome"},
                  {"Value", "value", true},
                  {"Unit", "unit"},
                  {"Source", "source"}},
                 "");
    // +D values say so in their unit, as the rank's and the comparison's do.
    const auto cutoff = catalogue.ProgenyCutoff();
    const std::string progeny = cutoff ? " (" + ProgenyUnitLabel(*cutoff) + ")" : std::string();
    for (const TableKind& kind : AllTableKinds()) {
        const std::string unit = catalogue.UnitOf(kind, 1).Name + progeny;
        const std::string table = kind.Name();
        const std::string geometry = kind.GeometryWord();
        catalogue.EachCell(kind, 1, {}, [&](Coefficient&& cell) {
            writer.Row({Plain(std::move(cell.Nuclide)),
                        Plain(std::move(cell.Form)),
                        Plain(table),
                        Plain(geometry),
                        Plain(std::move(cell.Age)),
                        Plain(std::move(cell.Intake)),
                        Plain(std::move(cell.Descriptor)),
                        Plain(OutcomeWord(kind, cell.Outcome)),
                        {std::move(cell.Text), cell.Value},
                        Plain(unit),
                        Plain(std::move(cell.Source))});
        });
    }
    writer.End();
}

}  // namespace quorvel

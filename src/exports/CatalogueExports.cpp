#include "CatalogueExports.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "ScientificFormat.h"

namespace quorvel {

namespace {

TidyCell Plain(std::string text) { return {std::move(text), std::nullopt}; }

const char* OutcomeWord(const TableKind& kind, RiskOutcome outcome) {
    if (kind.IsDose()) return "";
    return outcome == RiskOutcome::Mortality ? "mortality" : "morbidity";
}

// The cell of each table a ranked value is: "Total, Lifetime 0-110, Tap Water, mortality".
std::string CellHeading(const Quantity& quantity) {
    std::string heading = quantity.Descriptor + ", " + quantity.Age;
    if (!quantity.Intake.empty()) heading += ", " + quantity.Intake;
    if (!quantity.Kind.IsDose()) heading += quantity.Outcome == RiskOutcome::Mortality ? ", mortality" : ", morbidity";
    return heading;
}

std::string ColumnHeading(const ComparisonColumn& column) {
    return column.Form.empty() ? column.Nuclide : column.Nuclide + " (" + column.Form + ")";
}

}  // namespace

void WriteComparison(const Comparison& comparison, const std::string& age, RowWriter& writer) {
    // Rows of several units (the uptake fraction among the coefficients) name each its own.
    const bool rowUnits = comparison.MixesUnits();
    std::vector<OutputColumn> columns{{"Description (" + age + ")", "descriptor"}};
    for (const auto& column : comparison.Columns) columns.push_back({ColumnHeading(column), "value", true});
    if (rowUnits) columns.push_back({"Unit", "unit"});
    if (comparison.HasRatio()) columns.push_back({comparison.RatioHeading(), "ratio", true});
    writer.Begin(columns, rowUnits ? std::string() : comparison.Unit);
    for (std::size_t d = 0; d < comparison.Descriptors.size(); ++d) {
        std::vector<TidyCell> cells{Plain(comparison.Descriptors[d])};
        for (const ComparisonCell& cell : comparison.Cells[d]) cells.push_back({cell.Text, cell.Value});
        if (rowUnits) cells.push_back(Plain(comparison.Units[d]));
        if (comparison.HasRatio()) {
            // In the values' format: one format down the column.
            const auto ratio = comparison.Ratio(d);
            cells.push_back({ratio ? FormatScientific(*ratio) : std::string(), ratio});
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
                                    {"unit", comparison.Units[d]},
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

std::string TableJson(const ShownTable& shown, const std::string& nuclide) {
    const CoefficientTable& table = shown.Table;
    const TableKind& kind = shown.Request.Kind;
    const std::string unit = shown.ProgenyCutoffSeconds
                                 ? shown.Unit.Name + " (" + ProgenyUnitLabel(*shown.ProgenyCutoffSeconds) + ")"
                                 : shown.Unit.Name;
    std::vector<std::string> notes;
    for (int block = 0; block < static_cast<int>(table.Blocks.size()); ++block)
        if (std::string note = BlockSourceNote(table, block);
            !note.empty() && std::find(notes.begin(), notes.end(), note) == notes.end())
            notes.push_back(std::move(note));
    std::string source;
    for (const auto& note : notes) source += (source.empty() ? "" : "; ") + note;

    nlohmann::ordered_json json;
    json["table"] = kind.Name();
    json["geometry"] = kind.GeometryWord();
    json["nuclide"] = nuclide;
    json["unit"] = unit;
    json["source"] = source;
    json["rows"] = nlohmann::ordered_json::array();
    for (const Coefficient& cell : table.Cells)
        json["rows"].push_back({{"form", cell.Form},
                                {"age", cell.Age},
                                {"intake", cell.Intake},
                                {"descriptor", cell.Descriptor},
                                {"outcome", OutcomeWord(kind, cell.Outcome)},
                                {"value", cell.Value ? nlohmann::ordered_json(*cell.Value) : nullptr},
                                {"text", cell.Text},
                                {"unit", HoldsUptakeFraction(kind, cell) ? FractionUnit : unit},
                                {"source", cell.Source}});
    return json.dump(1) + "\n";
}

void WriteRankedRows(const std::vector<CatalogueRow>& rows, const Quantity& quantity, const std::string& unit,
                     RowWriter& writer) {
    writer.Begin({{"Z", "z"},
                  {"Element", "element"},
                  {"Nuclide", "nuclide"},
                  {"Half-life", "half_life"},
                  {"Form", "form"},
                  {CellHeading(quantity), "value", true},
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
        const std::string fraction = FractionUnit;
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
                        Plain(HoldsUptakeFraction(kind, cell) ? fraction : unit),
                        Plain(std::move(cell.Source))});
        });
    }
    writer.End();
}

}  // namespace quorvel

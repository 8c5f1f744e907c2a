#include "LimitOutput.h"

#include <cctype>
#include <nlohmann/json.hpp>

#include "NuclideCharts.h"

namespace quorvel {

namespace {

TidyCell Plain(std::string text) { return {std::move(text), std::nullopt}; }

}  // namespace

std::string LimitHeading(const LimitTable& table) {
    std::string heading = table.What + " giving " + (table.Cell.Kind.IsDose() ? "" : "a risk of ") + table.Target;
    heading[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(heading[0])));
    return heading;
}

void WriteLimitRows(const LimitTable& table, const std::vector<LimitRow>& rows, RowWriter& writer) {
    writer.Begin({{"Z", "z"},
                  {"Element", "element"},
                  {"Nuclide", "nuclide"},
                  {"Half-life", "half_life"},
                  {"Form", "form"},
                  {LimitHeading(table), "limit", true},
                  {"Unit", "limit_unit"},
                  {QuantityChartTitle(table.Cell, true), "coefficient", true},
                  {"Coefficient unit", "coefficient_unit"},
                  {"Formula", "formula"},
                  {"Source", "source"}},
                 "");
    for (const LimitRow& limit : rows) {
        const CatalogueRow& row = limit.Row;
        writer.Row({Plain(row.Nuclide.Z),
                    Plain(row.Nuclide.Element),
                    Plain(row.Nuclide.Nuclide),
                    Plain(row.Nuclide.HalfLife),
                    Plain(row.Form),
                    {row.Text, row.Value},
                    Plain(table.LimitUnit),
                    {limit.CoefficientText, limit.Coefficient},
                    Plain(table.CoefficientUnit),
                    Plain(limit.Formula),
                    Plain(row.Source)});
    }
    writer.End();
}

std::string LimitJson(const LimitTable& table, const std::vector<LimitRow>& rows) {
    nlohmann::ordered_json json;
    json["table"] = QuantityChartTitle(table.Cell, true);
    json["target"] = table.Target;
    json["limited"] = table.What;
    json["limit_unit"] = table.LimitUnit;
    json["coefficient_unit"] = table.CoefficientUnit;
    json["rows"] = nlohmann::ordered_json::array();
    for (const LimitRow& limit : rows) {
        const CatalogueRow& row = limit.Row;
        json["rows"].push_back({{"z", row.Nuclide.Z},
                                {"element", row.Nuclide.Element},
                                {"nuclide", row.Nuclide.Nuclide},
                                {"half_life", row.Nuclide.HalfLife},
                                {"form", row.Form},
                                {"limit", *row.Value},
                                {"limit_text", row.Text},
                                {"limit_unit", table.LimitUnit},
                                {"coefficient", limit.Coefficient},
                                {"coefficient_unit", table.CoefficientUnit},
                                {"formula", limit.Formula},
                                {"source", row.Source}});
    }
    return json.dump(1) + "\n";
}

}  // namespace quorvel

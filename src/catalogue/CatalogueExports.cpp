#include "CatalogueExports.h"

namespace quorvel {

namespace {

TidyCell Plain(std::string text) { return {std::move(text), std::nullopt}; }

const char* OutcomeWord(const TableKind& kind, int outcome) {
    if (kind.IsDose()) return "";
    return outcome == MortalityOutcome ? "mortality" : "morbidity";
}

}  // namespace

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
        writer.Row({Plain(row.Nuclide.Z), Plain(row.Nuclide.Element), Plain(row.Nuclide.Nuclide),
                    Plain(row.Nuclide.HalfLife), Plain(row.Form), {row.Text, row.Value}, Plain(row.Source)});
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
    for (const TableKind& kind : AllTableKinds()) {
        const std::string unit = catalogue.UnitOf(kind, 1).Name;
        const std::string table = kind.Name();
        const std::string geometry = kind.GeometryWord();
        catalogue.EachCell(kind, 1, {}, [&](Coefficient&& cell) {
            writer.Row({Plain(std::move(cell.Nuclide)), Plain(std::move(cell.Form)), Plain(table), Plain(geometry),
                        Plain(std::move(cell.Age)), Plain(std::move(cell.Intake)), Plain(std::move(cell.Descriptor)),
                        Plain(OutcomeWord(kind, cell.Outcome)), {std::move(cell.Text), cell.Value}, Plain(unit),
                        Plain(std::move(cell.Source))});
        });
    }
    writer.End();
}

}  // namespace quorvel

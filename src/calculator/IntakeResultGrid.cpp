#include "IntakeResultGrid.h"

#include "GridConventions.h"

namespace quorvel {

namespace {

std::string Number(const std::optional<double>& value) { return value ? FormatCalculatorNumber(*value) : ""; }

}  // namespace

FlexGrid IntakeResultGrid(const MixtureResult& result, const CalculationOptions& options) {
    const std::vector<std::string> headings = {
        "Row",       "Nuclide",
        "Pathway",   "Form",
        "Amount",    "Unit",
        "Time",      "Effective Dose (Sv)",
        "H_E (Sv)",  options.Organ.empty() ? "Organ Dose (Sv)" : options.Organ + " (Sv)",
        "Mortality", "Morbidity",
        "Share",     "Not Computed Because"};
    const int rows = IntakeResultFirstRow + static_cast<int>(result.Rows.size()) + 2;
    FlexGrid grid(rows, static_cast<int>(headings.size()));
    grid.SetColWidth(0, DescriptorColumnWidth);
    grid.SetColWidth(3, DescriptorColumnWidth);
    grid.SetColWidth(static_cast<int>(headings.size()) - 1, 2 * DescriptorColumnWidth);
    grid.SetTextMatrix(0, 0, "Intake and Exposure Calculation");
    grid.SetTextMatrix(1, 0, "Doses in Sv, risks per person (lifetime, FGR-13)");
    BoldTheCell(grid, 0, 0);
    BoldTheCell(grid, 1, 0);
    for (std::size_t c = 0; c < headings.size(); ++c) {
        grid.SetTextMatrix(IntakeResultFirstRow - 1, static_cast<int>(c), headings[c]);
        BoldTheCell(grid, IntakeResultFirstRow - 1, static_cast<int>(c));
    }
    int row = IntakeResultFirstRow;
    for (const RowResult& item : result.Rows) {
        const MixtureRow& in = item.Row;
        const std::vector<std::string> cells = {std::to_string(in.Number),
                                                in.Nuclide,
                                                in.Pathway,
                                                item.Form,
                                                in.Amount,
                                                in.Unit,
                                                in.Time.empty() ? "" : in.Time + " " + in.TimeUnit,
                                                Number(item.EffectiveDoseSv),
                                                Number(item.EffectiveDoseEquivalentSv),
                                                Number(item.OrganDoseSv),
                                                Number(item.MortalityRisk),
                                                Number(item.MorbidityRisk),
                                                item.Error.empty() ? FormatCalculatorNumber(item.Share) : "",
                                                item.Error};
        for (std::size_t c = 0; c < cells.size(); ++c) grid.SetTextMatrix(row, static_cast<int>(c), cells[c]);
        ++row;
    }
    grid.SetTextMatrix(row, 0, "Total");
    grid.SetTextMatrix(row, 7, FormatCalculatorNumber(result.TotalEffectiveDoseSv));
    BoldTheCell(grid, row, 0);
    BoldTheCell(grid, row, 7);
    return grid;
}

}  // namespace quorvel

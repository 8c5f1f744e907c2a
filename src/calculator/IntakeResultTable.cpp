#include "IntakeResultTable.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <ostream>

#include "GridConventions.h"
#include "NumberText.h"
#include "ProgenyCells.h"
#include "TerminalTable.h"
#include "TidyTable.h"

namespace quorvel {

namespace {

using Kind = ResultColumnKind;

// Column widths on screen and paper, in twips: a character of the grid's font and the
// margins of a cell, about.
constexpr int TwipsPerCharacter = 110;
constexpr int CellMarginTwips = 240;
constexpr int NarrowestColumn = 700;

ResultCell Number(const std::optional<double>& value, const ResultColumn& column) {
    if (!value) return {};
    return {FormatCalculatorNumber(*value / column.Factor), value};
}

std::string Trimmed(const std::string& text) { return TrimBlanks(text); }

// "Effective Dose (mSv; +D, T1/2 < 180 d)".
std::string Heading(const std::string& name, const std::string& unit, const std::string& progeny) {
    return name + " (" + unit + (progeny.empty() ? "" : "; " + progeny) + ")";
}

ResultColumn Dose(const std::string& name, const std::string& key, const CalculatorUnit& unit,
                  const std::string& progeny) {
    return {Heading(name, unit.Name, progeny), key + "_Sv", unit.Name == "Sv" ? "" : key + "_" + unit.Name,
            Kind::Number, unit.Factor};
}

std::vector<TidyCell> TidyRow(const IntakeResultTable& table, const std::vector<ResultCell>& cells) {
    std::vector<TidyCell> row;
    for (std::size_t c = 0; c < cells.size(); ++c) {
        const auto& value = cells[c].Value;
        row.push_back({cells[c].Text, value ? std::optional(*value / table.Columns[c].Factor) : std::nullopt});
    }
    return row;
}

TidyTable Tidy(const IntakeResultTable& table) {
    TidyTable tidy;
    for (const auto& column : table.Columns) tidy.Headings.push_back(column.Heading);
    for (const auto& row : table.Rows) tidy.Rows.push_back(TidyRow(table, row));
    return tidy;
}

std::string AsText(const IntakeResultTable& table) {
    std::string text;
    for (const auto& line : table.Title) text += line + '\n';
    text += FormatGridAsAlignedText(TidyTableGrid(Tidy(table)));
    for (std::size_t r = 0; r < table.Steps.size(); ++r) {
        const auto& cells = table.Rows[r];
        text += "\nRow " + cells[0].Text + ": " + cells[1].Text + ", " + cells[2].Text + '\n';
        if (!cells.back().Text.empty()) text += "  not computed: " + cells.back().Text + '\n';
        for (const auto& step : table.Steps[r]) text += "  " + step + '\n';
        for (const auto& note : table.Notes[r]) text += "  note: " + note + '\n';
    }
    return text;
}

// The cells of a row under their keys: a dose in Sv and in the chosen unit; nothing for
// an empty cell.
nlohmann::ordered_json JsonRow(const IntakeResultTable& table, const std::vector<ResultCell>& cells) {
    nlohmann::ordered_json item = nlohmann::ordered_json::object();
    for (std::size_t c = 0; c < cells.size(); ++c) {
        const ResultColumn& column = table.Columns[c];
        const ResultCell& cell = cells[c];
        if (column.Kind == Kind::Text) {
            if (!cell.Text.empty()) item[column.Key] = cell.Text;
        } else if (cell.Value) {
            if (column.Kind == Kind::Count)
                item[column.Key] = static_cast<long long>(*cell.Value);
            else
                item[column.Key] = *cell.Value;
            if (!column.UnitKey.empty()) item[column.UnitKey] = *cell.Value / column.Factor;
        }
    }
    return item;
}

std::string AsJson(const IntakeResultTable& table) {
    nlohmann::ordered_json document;
    document["table"] = table.Title.front();
    document["dose_unit"] = table.DoseUnit;
    document["risk_band"] = table.RiskBand;
    document["progeny"] = table.Progeny.empty() ? nlohmann::ordered_json() : nlohmann::ordered_json(table.Progeny);
    if (!table.Organ.empty()) document["organ"] = table.Organ;
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    for (std::size_t r = 0; r < table.Steps.size(); ++r) {
        nlohmann::ordered_json item = JsonRow(table, table.Rows[r]);
        item["steps"] = table.Steps[r];
        if (!table.Notes[r].empty()) item["notes"] = table.Notes[r];
        rows.push_back(std::move(item));
    }
    document["rows"] = std::move(rows);
    nlohmann::ordered_json total = JsonRow(table, table.Rows.back());
    total["rows_summed"] = table.RowsSummed;
    total["risk_rows_summed"] = table.RiskRowsSummed;
    total["rows"] = table.Steps.size();
    document["total"] = std::move(total);
    return document.dump(2) + '\n';
}

ResultCell RowCell(const ResultColumn& column, const RowResult& item) {
    const MixtureRow& in = item.Row;
    // What the calculation took where it took something, else what the row says.
    const auto either = [](const std::string& used, const std::string& typed) {
        return used.empty() ? Trimmed(typed) : used;
    };
    const std::string& key = column.Key;
    if (key == "row") return {std::to_string(in.Number), in.Number};
    if (key == "nuclide") return {Trimmed(in.Nuclide)};
    if (key == "pathway") return {Trimmed(in.Pathway)};
    if (key == "form") return {either(item.Form, in.Form)};
    if (key == "intake") return {either(item.Intake, in.Intake)};
    if (key == "age") return {either(item.Age, in.Age)};
    if (key == "amount") return {Trimmed(in.Amount)};
    if (key == "unit") return {Trimmed(in.Unit)};
    if (key == "time") return {Trimmed(Trimmed(in.Time) + " " + Trimmed(in.TimeUnit))};
    if (key == "decay") return {either(item.Deposit, in.Decay)};
    if (key == "effective_dose_Sv") return Number(item.EffectiveDoseSv, column);
    if (key == "effective_dose_equivalent_Sv") return Number(item.EffectiveDoseEquivalentSv, column);
    if (key == "organ_dose_Sv") return Number(item.OrganDoseSv, column);
    if (key == "mortality_risk") return Number(item.MortalityRisk, column);
    if (key == "morbidity_risk") return Number(item.MorbidityRisk, column);
    if (key == "share") return item.Error.empty() ? Number(item.Share, column) : ResultCell{};
    if (key == "sources") {
        std::string sources;
        for (const auto& source : item.Sources) sources += (sources.empty() ? "" : "; ") + source;
        return {sources};
    }
    return {item.Error};
}

// The sums: the effective dose and the risks.
ResultCell TotalCell(const ResultColumn& column, const MixtureResult& result) {
    if (column.Key == "effective_dose_Sv" && result.RowsSummed > 0) return Number(result.TotalEffectiveDoseSv, column);
    if (column.Key == "mortality_risk") return Number(result.TotalMortalityRisk, column);
    if (column.Key == "morbidity_risk") return Number(result.TotalMorbidityRisk, column);
    return {};
}

}  // namespace

IntakeResultTable BuildResultTable(const MixtureResult& result, const CalculationOptions& options) {
    IntakeResultTable table;
    const auto unit = FindUnit(DoseUnits(), options.DoseUnit);
    if (!unit)
        throw CalculationOptionError("dose unit \"" + options.DoseUnit + "\" is none of " + UnitNames(DoseUnits()));
    table.DoseUnit = unit->Name;
    table.RiskBand = !result.RiskBand.empty()            ? result.RiskBand
                     : Trimmed(options.RiskBand).empty() ? "lifetime"
                                                         : Trimmed(options.RiskBand);
    table.Progeny = options.ProgenyCutoffSeconds ? ProgenyUnitLabel(*options.ProgenyCutoffSeconds) : "";
    table.Organ = Trimmed(options.Organ);
    for (const auto& row : result.Rows)
        if (!row.Organ.empty()) table.Organ = row.Organ;
    table.Title = {"Intake and Exposure Calculation",
                   "Doses in " + unit->Name + "; risks per person for intake in the band " + table.RiskBand +
                       " (FGR-13)" + (table.Progeny.empty() ? "" : "; " + table.Progeny)};

    table.Columns = {{"Row", "row", "", Kind::Count},
                     {"Nuclide", "nuclide"},
                     {"Pathway", "pathway"},
                     {"Form", "form"},
                     {"Intake", "intake"},
                     {"Age", "age"},
                     {"Amount", "amount"},
                     {"Unit", "unit"},
                     {"Time", "time"},
                     {"Deposit", "decay"},
                     Dose("Effective Dose", "effective_dose", *unit, table.Progeny),
                     Dose("H_E", "effective_dose_equivalent", *unit, table.Progeny)};
    if (!table.Organ.empty()) table.Columns.push_back(Dose(table.Organ, "organ_dose", *unit, table.Progeny));
    table.Columns.insert(table.Columns.end(),
                         {{Heading("Mortality", table.RiskBand, table.Progeny), "mortality_risk", "", Kind::Number},
                          {Heading("Morbidity", table.RiskBand, table.Progeny), "morbidity_risk", "", Kind::Number},
                          {"Share of Total Dose", "share", "", Kind::Number},
                          {"Sources", "sources"},
                          {"Not Computed Because", "error"}});
    for (const RowResult& item : result.Rows) {
        std::vector<ResultCell> cells;
        for (const auto& column : table.Columns) cells.push_back(RowCell(column, item));
        table.Rows.push_back(std::move(cells));
        table.Steps.push_back(item.Steps);
        table.Notes.push_back(item.Notes);
    }

    table.RowsSummed = result.RowsSummed;
    table.RiskRowsSummed = result.RiskRowsSummed;
    const int rows = static_cast<int>(result.Rows.size());
    std::string summed = "Total: " + std::to_string(result.RowsSummed) + " of " + std::to_string(rows) + " rows";
    if (result.RiskRowsSummed != result.RowsSummed && (result.TotalMortalityRisk || result.TotalMorbidityRisk))
        summed += "; risks: " + std::to_string(result.RiskRowsSummed);
    std::vector<ResultCell> total;
    for (const auto& column : table.Columns) total.push_back(TotalCell(column, result));
    total[0].Text = summed;
    table.Rows.push_back(std::move(total));
    return table;
}

FlexGrid ResultGrid(const IntakeResultTable& table) {
    const int columns = static_cast<int>(table.Columns.size());
    FlexGrid grid(IntakeResultFirstRow + static_cast<int>(table.Rows.size()), columns);
    // Each column as wide as its texts, within bounds; a longer text shows whole as the
    // cell's tooltip, and a title spreads over the empty cells beside it.
    for (int c = 0; c < columns; ++c) {
        std::size_t characters = table.Columns[static_cast<std::size_t>(c)].Heading.size();
        for (const auto& row : table.Rows)
            characters = std::max(characters, row[static_cast<std::size_t>(c)].Text.size());
        const int widest = c + 1 == columns ? 2 * DescriptorColumnWidth : DescriptorColumnWidth;
        grid.SetColWidth(
            c, std::clamp(TwipsPerCharacter * static_cast<int>(characters) + CellMarginTwips, NarrowestColumn, widest));
    }
    for (std::size_t line = 0; line < table.Title.size(); ++line) {
        grid.SetTextMatrix(static_cast<int>(line), 0, table.Title[line]);
        BoldTheCell(grid, static_cast<int>(line), 0);
    }
    for (int c = 0; c < columns; ++c) {
        grid.SetTextMatrix(IntakeResultFirstRow - 1, c, table.Columns[static_cast<std::size_t>(c)].Heading);
        BoldTheCell(grid, IntakeResultFirstRow - 1, c);
    }
    for (std::size_t r = 0; r < table.Rows.size(); ++r)
        for (int c = 0; c < columns; ++c)
            grid.SetTextMatrix(IntakeResultFirstRow + static_cast<int>(r), c,
                               table.Rows[r][static_cast<std::size_t>(c)].Text);
    const int totalRow = grid.Rows() - 1;
    for (int c = 0; c < columns; ++c)
        if (!grid.TextMatrix(totalRow, c).empty()) BoldTheCell(grid, totalRow, c);
    // The title heads every printed page the rows go on to, with the headings.
    for (int r = 0; r < IntakeResultFirstRow - 1; ++r) grid.SetRowStructure(r, {-1, RowRole::Title});
    grid.SetRowStructure(IntakeResultFirstRow - 1, {0, RowRole::Heading});
    for (int r = IntakeResultFirstRow; r < grid.Rows(); ++r) grid.SetRowStructure(r, {0, RowRole::Data});
    return grid;
}

void WriteResultTable(const IntakeResultTable& table, RowFormat format, const std::string& outputFile,
                      std::ostream& out) {
    if (format == RowFormat::Text) return WriteText(AsText(table), outputFile, out);
    if (format == RowFormat::Json) return WriteText(AsJson(table), outputFile, out);
    WriteRows(format, outputFile, out, [&table](RowWriter& writer) {
        std::vector<OutputColumn> columns;
        for (const auto& column : table.Columns)
            columns.push_back({column.Heading, column.Key, column.Kind != Kind::Text});
        writer.Begin(columns, "");
        for (const auto& row : table.Rows) writer.Row(TidyRow(table, row));
        writer.End();
    });
}

}  // namespace quorvel

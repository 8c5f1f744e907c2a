#include "LimitCommand.h"

#include <algorithm>
#include <ostream>

#include "CodeWords.h"
#include "DurationOption.h"
#include "FormNames.h"
#include "IntakeCalculation.h"
#include "LimitOutput.h"
#include "NuclideCharts.h"
#include "NumberText.h"
#include "UsageError.h"

namespace quorvel {

namespace {

LimitTarget TargetOf(const LimitOptions& options) {
    if (options.Dose.empty() == options.Risk.empty())
        throw UsageError("give one target: --dose (e.g. 1mSv) or --risk (e.g. 1E-6)");
    try {
        return options.Dose.empty() ? ReadRiskTarget(options.Risk) : ReadDoseTarget(options.Dose);
    } catch (const LimitError& e) {
        throw UsageError(std::string(options.Dose.empty() ? "--risk: " : "--dose: ") + e.what());
    }
}

TableKind KindOf(const LimitOptions& options, const LimitTarget& target) {
    auto kind = PathwayTable(options.Pathway);
    if (!kind) throw UsageError("--pathway \"" + options.Pathway + "\" is none of " + PathwayNames);
    if (target.Kind == TargetKind::Risk) kind->Type = CoefficientType::Risk;
    const auto given = [&](const char* name) { return options.Command->get_option(name)->count() > 0; };
    if (target.Kind == TargetKind::Risk && given("--organ")) throw UsageError("--organ goes with --dose");
    if (target.Kind == TargetKind::Dose && (given("--risk-band") || given("--outcome") || given("--intake")))
        throw UsageError("--risk-band, --outcome and --intake go with --risk");
    if (given("--age") && (kind->IsExternal() || target.Kind == TargetKind::Risk))
        throw UsageError("--age goes with an internal dose; a risk takes --risk-band");
    if (!kind->IsExternal() && (given("--time") || options.Decaying))
        throw UsageError("--time and --decaying go with an external pathway");
    return *kind;
}

ExposureTime ExposureOf(const LimitOptions& options) {
    ExposureTime exposure;
    exposure.Decaying = options.Decaying;
    if (options.Time.empty()) return exposure;
    try {
        exposure.Seconds = ReadQuantityText(options.Time, TimeUnits(), "--time");
    } catch (const LimitError& e) {
        throw UsageError(e.what());
    }
    exposure.Text = TrimBlanks(options.Time);
    return exposure;
}

// The cell of the limit: a dose's age and organ (the effective dose by default), a risk's
// band (the lifetime band by default), intake and outcome, its Total row.
Quantity CellOf(CoefficientCatalogue& catalogue, const LimitOptions& options, const TableKind& kind) {
    CatalogueOptions cell = options.Catalogue;
    cell.Descriptor = options.Organ;
    if (!kind.IsDose()) {
        cell.Descriptor = "Total";
        const QuantityChoices choices = catalogue.Choices(kind);
        if (!choices.Ages.empty()) try {
                cell.Age = ChooseRiskBand(choices.Ages, options.RiskBand);
            } catch (const CalculationOptionError& e) {
                throw UsageError(std::string("--risk-band: ") + e.what());
            }
    }
    CoefficientRequest request;
    request.Kind = kind;
    try {
        return QuantityOf(catalogue, cell, request, true);
    } catch (const UsageError& e) {
        // The organ is rank's row: say it by this command's option.
        const std::string message = e.what();
        if (!message.starts_with("--descriptor")) throw;
        throw UsageError("--organ" + message.substr(std::string("--descriptor").size()));
    }
}

// The rows of the named nuclides, in the order named; each nuclide or form without a limit
// is named on err.
std::vector<LimitRow> NamedLimits(const CoefficientCatalogue& catalogue, const LimitOptions& options,
                                  const std::vector<CatalogueRow>& coefficients, LimitTable& table,
                                  const LimitSettings& settings, std::ostream& err, bool& missing) {
    std::vector<LimitRow> rows;
    const auto name = [&](const std::string& nuclide, const std::string& why) {
        err << "quorvel-cli limit: " << nuclide << ": " << why << '\n';
        missing = true;
    };
    for (const std::string& named : options.Catalogue.Nuclides) {
        const NuclideInfo* nuclide = catalogue.FindNuclide(TrimBlanks(named));
        if (!nuclide) throw UsageError("--nuclide " + named + ": no such nuclide in the list (see --list-nuclides).");
        std::vector<CatalogueRow> own;
        for (const CatalogueRow& row : coefficients)
            if (row.Nuclide.Nuclide == nuclide->Nuclide) own.push_back(row);
        std::vector<std::string> forms;
        for (const CatalogueRow& row : own) forms.push_back(row.Form);
        const std::vector<std::string> chosen = FormsNamed(forms, options.Form);
        std::erase_if(own, [&](const CatalogueRow& row) {
            return std::find(chosen.begin(), chosen.end(), row.Form) == chosen.end();
        });
        if (own.empty()) {
            name(nuclide->Nuclide, forms.empty() ? "no coefficient for " + QuantityChartTitle(table.Cell, true)
                                                 : "no form \"" + options.Form + "\" in this table");
            continue;
        }
        LimitTable limits = ComputeLimits(catalogue, table.Cell, own, settings);
        for (const auto& left : limits.Left)
            name(left.Nuclide + (left.Form.empty() ? "" : " " + ShortFormName(forms, left.Form)),
                 left.Why + " for " + QuantityChartTitle(table.Cell, true));
        rows.insert(rows.end(), limits.Rows.begin(), limits.Rows.end());
    }
    return rows;
}

// Every nuclide and form the filter keeps, most restrictive first; the value range and the
// top N apply to the limits.
std::vector<LimitRow> RankedLimits(const CoefficientCatalogue& catalogue, const LimitOptions& options,
                                   const std::vector<CatalogueRow>& coefficients, const Quantity& cell,
                                   const LimitSettings& settings) {
    RowFilter filter = FilterOf(*options.Command, options.Catalogue);
    RowFilter limitRange;
    std::swap(filter.ValueMin, limitRange.ValueMin);
    std::swap(filter.ValueMax, limitRange.ValueMax);
    std::vector<LimitRow> rows = ComputeLimits(catalogue, cell, FilterRows(coefficients, filter), settings).Rows;
    std::erase_if(rows, [&](const LimitRow& row) {
        return (limitRange.ValueMin && *row.Row.Value < *limitRange.ValueMin) ||
               (limitRange.ValueMax && *row.Row.Value > *limitRange.ValueMax);
    });
    SortByLimit(rows);
    if (options.Catalogue.Top > 0 && rows.size() > static_cast<std::size_t>(options.Catalogue.Top))
        rows.resize(static_cast<std::size_t>(options.Catalogue.Top));
    return rows;
}

void DrawLimits(const LimitTable& table, const std::vector<LimitRow>& rows, const LimitOptions& options,
                const CommandLineBackends& backends) {
    std::vector<CatalogueRow> bars;
    for (const LimitRow& row : rows) bars.push_back(row.Row);
    const int top = options.Catalogue.Top;
    SaveChart(backends,
              RankingChart(bars, LimitHeading(table) + ": " + QuantityChartTitle(table.Cell, true),
                           LimitHeading(table) + " (" + table.LimitUnit + ")",
                           top > 0 ? static_cast<std::size_t>(top) : RankingChartBars),
              options.Catalogue.Chart);
}

}  // namespace

void AddLimitCommand(CLI::App& app, std::string& databasePath, LimitOptions& options) {
    options.Command =
        app.add_subcommand("limit",
                           "Screening limits: the intake or exposure giving a dose or risk, target / coefficient, "
                           "for --nuclide or every nuclide, most restrictive first");
    CLI::App& command = *options.Command;
    CatalogueOptions& catalogue = options.Catalogue;
    command.add_option("--database", databasePath,
                       "Coefficient database (default: DoseAndRisk.mdb beside the program)");
    command.add_option("--dose", options.Dose, "Target dose with its unit: " + UnitNames(DoseUnits()) + ", e.g. 1mSv");
    command.add_option("--risk", options.Risk, "Target risk, a number above 0 and at most 1, e.g. 1E-6");
    command.add_option("--pathway", options.Pathway, std::string(PathwayNames) + " (default: ingestion)");
    command.add_option("--organ", options.Organ,
                       "Dose: an organ's row, its beginning enough (default: effective dose)");
    command.add_option("--age", catalogue.Age, "Internal dose: an age group (default: Adult)");
    command.add_option("--risk-band", options.RiskBand,
                       "Risk: the band of age at intake, e.g. \"0-5\" (default: the lifetime band, 0-110)");
    command.add_option("--intake", catalogue.Intake, "Ingestion risk: tap water or food (default: tap water)");
    AddCodeOption(command, "--outcome", catalogue.Outcome, "Risk: mortality or morbidity (default: mortality)",
                  OutcomeWords());
    command.add_option("--activity-unit", options.Unit,
                       "Unit of the limits: an intake in " + UnitNames(ActivityUnits()) +
                           "; a concentration of the geometry, e.g. pCi/m2 (default: Bq, Bq/m3, Bq/m2)");
    command.add_option("--time", options.Time,
                       "External: the concentration held for this time, e.g. 1y (" + UnitNames(TimeUnits()) +
                           "); without it the time-integrated concentration");
    command.add_flag("--decaying", options.Decaying, "With --time: the initial concentration of a decaying deposit");
    command.add_option("--nuclide", catalogue.Nuclides, "A nuclide (repeatable); without it every nuclide is ranked")
        ->take_all();
    command.add_option("--form", options.Form, "With --nuclide: a form, as the calculator names it (F, M, S, HTO...)");
    AddFilterOptions(command, catalogue);
    AddProgenyOptions(command, catalogue.WithProgeny, catalogue.ProgenyCutoffSeconds);
    AddFormatOptions(command, catalogue);
    AddChartOption(command, catalogue, "the first limits as bars (--top of them, else 20)");
}

int RunLimitCommand(const LimitOptions& options, const std::string& databasePath, std::ostream& out, std::ostream& err,
                    const CommandLineBackends& backends) {
    LimitSettings settings;
    settings.Target = TargetOf(options);
    const TableKind kind = KindOf(options, settings.Target);
    settings.Exposure = ExposureOf(options);
    settings.Unit = options.Unit;
    const RowFormat format = FormatOf(options.Catalogue);
    if (!options.Form.empty() && options.Catalogue.Nuclides.empty()) throw UsageError("--form goes with --nuclide");

    DatabaseSession session(databasePath);
    CoefficientCatalogue catalogue(session);
    if (options.Catalogue.WithProgeny) catalogue.IncludeProgeny(options.Catalogue.ProgenyCutoffSeconds);
    const Quantity cell = CellOf(catalogue, options, kind);
    const std::vector<CatalogueRow> coefficients = catalogue.Rows(cell);
    LimitTable table;
    try {
        table = ComputeLimits(catalogue, cell, {}, settings);
    } catch (const LimitError& e) {
        throw UsageError(e.what());
    }
    bool missing = false;
    const std::vector<LimitRow> rows =
        options.Catalogue.Nuclides.empty()
            ? RankedLimits(catalogue, options, coefficients, cell, settings)
            : NamedLimits(catalogue, options, coefficients, table, settings, err, missing);
    if (!options.Catalogue.Chart.empty()) DrawLimits(table, rows, options, backends);
    if (format == RowFormat::Json)
        WriteText(LimitJson(table, rows), options.Catalogue.Output, out);
    else
        WriteRows(format, options.Catalogue.Output, out,
                  [&](RowWriter& writer) { WriteLimitRows(table, rows, writer); });
    return missing ? ExitBadUsage : ExitTable;
}

}  // namespace quorvel

#include "CatalogueCommands.h"

#include <map>
#include <ostream>

#include "CaseFolding.h"
#include "CatalogueExports.h"
#include "ChoiceMatch.h"
#include "CodeWords.h"
#include "CoefficientCatalogue.h"
#include "CommandLineViewer.h"
#include "Comparison.h"
#include "DefaultQuantity.h"
#include "DurationOption.h"
#include "HalfLife.h"
#include "NuclideCharts.h"
#include "NumberText.h"
#include "RowFilter.h"
#include "RowOutput.h"
#include "UsageError.h"

namespace quorvel {

namespace {

void AddRequestOptions(CLI::App& command, std::string& databasePath, CoefficientRequest& request) {
    command.add_option("--database", databasePath,
                       "Coefficient database (default: DoseAndRisk.mdb beside the program)");
    AddCodeOption(command, "--type", request.Kind.Type, "dose or risk (default: dose)", CoefficientTypeWords());
    AddCodeOption(command, "--pathway", request.Kind.PathwayCode,
                  "ingestion, inhalation or external (default: ingestion)", PathwayWords());
    AddCodeOption(command, "--geometry", request.Kind.Geometry,
                  "submersion, ground-plane or soil-volume (default: submersion)", GeometryWords());
    command.add_option("--unit", request.UnitPosition, "Position of the unit in --list-units (default: 1)")
        ->check(CLI::PositiveNumber);
}

void AddQuantityOptions(CLI::App& command, CatalogueOptions& options, bool withDescriptor) {
    command.add_option(
        "--age", options.Age,
        "Dose: an age group (default Adult); risk: a column heading of the table (default the lifetime band)");
    if (withDescriptor)
        command.add_option(
            "--descriptor", options.Descriptor,
            "Row of the table, any case, its beginning enough (default: the effective dose; risk: Total)");
    command.add_option("--intake", options.Intake, "Ingestion risk: the intake (default: the first, tap water)");
    AddCodeOption(command, "--outcome", options.Outcome, "Risk: mortality or morbidity (default: mortality)",
                  OutcomeWords());
}

}  // namespace

void AddFormatOptions(CLI::App& command, CatalogueOptions& options) {
    command.add_option("--format", options.Format, "text, csv, tsv, json, or xlsx with --output (default: text)")
        ->check(OneOf({"text", "csv", "tsv", "json", "xlsx"}));
    command.add_option("--output", options.Output, "Write to this file rather than to standard output");
}

void AddChartOption(CLI::App& command, CatalogueOptions& options, const std::string& what) {
    command.add_option("--chart", options.Chart, "Also draw " + what + " into FILE: PNG, SVG or PDF by its ending")
        ->type_name("FILE");
}

namespace {

// The quantity in words, for a chart's title and footer.
std::string QuantityTitle(const Quantity& quantity, bool withDescriptor) {
    const TableKind& kind = quantity.Kind;
    std::string title = kind.Name() + (kind.IsExternal() ? " (" + kind.GeometryWord() + ")" : "");
    if (withDescriptor) title += ", " + quantity.Descriptor;
    title += ", " + quantity.Age;
    if (!quantity.Intake.empty()) title += ", " + quantity.Intake;
    if (!kind.IsDose()) title += quantity.Outcome == RiskOutcome::Morbidity ? ", morbidity" : ", mortality";
    return title;
}

}  // namespace

void SaveChart(const CommandLineBackends& backends, const ChartData& chart, const std::string& path) {
    if (!backends.SaveChart) throw UsageError("charts are not available in this build");
    try {
        backends.SaveChart(chart, path, chart.Title + " | " + chart.ValueTitle);
    } catch (const std::exception& e) {
        throw UsageError(e.what());
    }
}

RowFormat FormatOf(const CatalogueOptions& options) {
    const std::string word = FoldCase(options.Format);
    for (const auto& [name, format] : RowFormatWords())
        if (name == word) return format;
    throw UsageError("--format " + options.Format + " is none of text, csv, tsv, json, xlsx.");
}

namespace {

std::string Listed(const std::vector<std::string>& choices) {
    std::string text;
    for (const auto& choice : choices) text += (text.empty() ? "" : "; ") + choice;
    return text;
}

std::string TableDescription(const TableKind& kind) {
    return "the " + kind.Name() + " table" + (kind.IsExternal() ? " (" + kind.GeometryWord() + ")" : "");
}

// The choice the option names; the fallback when the option was not given.
std::string Choose(const std::vector<std::string>& choices, const std::string& given, const std::string& option,
                   const std::string& what, const TableKind& kind, const std::string& fallback) {
    if (given.empty()) return fallback;
    const auto matches = MatchChoice(choices, given);
    if (matches.size() == 1) return matches.front();
    if (matches.empty())
        throw UsageError(option + " \"" + given + "\" is no " + what + " of " + TableDescription(kind) +
                         "; choose one of: " + Listed(choices) + ".");
    throw UsageError(option + " \"" + given + "\" could be any of: " + Listed(matches) + ".");
}

}  // namespace

Quantity QuantityOf(CoefficientCatalogue& catalogue, const CatalogueOptions& options, const CoefficientRequest& request,
                    bool withDescriptor) {
    const TableKind& kind = request.Kind;
    const QuantityChoices choices = catalogue.Choices(kind);
    if (choices.Descriptors.empty() || choices.Ages.empty())
        throw std::runtime_error(TableDescription(kind) + " of this database holds no coefficients.");
    const Quantity fallback = DefaultQuantity(kind, choices);
    Quantity quantity;
    quantity.Kind = kind;
    quantity.UnitPosition = request.UnitPosition;
    quantity.Outcome = options.Outcome;
    quantity.Age =
        Choose(choices.Ages, options.Age, "--age", kind.IsDose() ? "age group" : "age band", kind, fallback.Age);
    if (!options.Intake.empty() && choices.Intakes.empty())
        throw UsageError("--intake: " + TableDescription(kind) + " has no intakes; only the ingestion risk table has.");
    if (!choices.Intakes.empty())
        quantity.Intake = Choose(choices.Intakes, options.Intake, "--intake", "intake", kind, fallback.Intake);
    if (withDescriptor)
        quantity.Descriptor =
            Choose(choices.Descriptors, options.Descriptor, "--descriptor", "row", kind, fallback.Descriptor);
    return quantity;
}

namespace {

UnitChoice UnitOf(CoefficientCatalogue& catalogue, const Quantity& quantity) {
    try {
        return catalogue.UnitOf(quantity.Kind, quantity.UnitPosition);
    } catch (const UnitPositionError& e) {
        throw UsageError("--unit " + std::to_string(quantity.UnitPosition) + ": " + e.what() + " (see --list-units).");
    }
}

double Seconds(const std::string& text, const std::string& option) {
    const auto value = HalfLifeSeconds(text);
    if (!value)
        throw UsageError(option + " \"" + text + "\" is no half-life; write a number and s, m, min, h, d or y.");
    return *value;
}

}  // namespace

RowFilter FilterOf(const CLI::App& command, const CatalogueOptions& options) {
    RowFilter filter;
    filter.Text = options.Text;
    filter.Element = options.Element;
    // A rank of values: a nuclide whose cell is empty has no place in it.
    filter.ValuedOnly = true;
    const auto given = [&](const char* name) { return command.get_option(name)->count() > 0; };
    if (given("--z-min")) filter.ZMin = options.ZMin;
    if (given("--z-max")) filter.ZMax = options.ZMax;
    if (!options.HalfLifeMin.empty()) filter.HalfLifeMin = Seconds(options.HalfLifeMin, "--half-life-min");
    if (!options.HalfLifeMax.empty()) filter.HalfLifeMax = Seconds(options.HalfLifeMax, "--half-life-max");
    if (given("--value-min")) filter.ValueMin = options.ValueMin;
    if (given("--value-max")) filter.ValueMax = options.ValueMax;
    try {
        CheckFilter(filter);
    } catch (const FilterError& e) {
        throw UsageError(e.what());
    }
    return filter;
}

namespace {

int Rank(const CatalogueOptions& options, CoefficientCatalogue& catalogue, const CoefficientRequest& request,
         std::ostream& out, const CommandLineBackends& backends) {
    const Quantity quantity = QuantityOf(catalogue, options, request, true);
    UnitOf(catalogue, quantity);
    const std::string unit = catalogue.UnitLabel(quantity);
    const RowFilter filter = FilterOf(*options.Rank, options);
    std::vector<CatalogueRow> rows = FilterRows(catalogue.Rows(quantity), filter);
    SortRows(rows, RowColumn::Value, options.Ascending);
    if (options.Top > 0) KeepTop(rows, static_cast<std::size_t>(options.Top));
    if (!options.Chart.empty())
        SaveChart(backends,
                  RankingChart(rows, "Ranking: " + QuantityTitle(quantity, true), unit,
                               options.Top > 0 ? static_cast<std::size_t>(options.Top) : RankingChartBars),
                  options.Chart);

    WriteRows(FormatOf(options), options.Output, out,
              [&](RowWriter& writer) { WriteRankedRows(rows, quantity, unit, writer); });
    return ExitTable;
}

int Compare(const CatalogueOptions& options, CoefficientCatalogue& catalogue, const CoefficientRequest& request,
            std::ostream& out, const CommandLineBackends& backends) {
    const Quantity quantity = QuantityOf(catalogue, options, request, false);
    UnitOf(catalogue, quantity);
    Comparison comparison;
    try {
        comparison = CompareNuclides(catalogue, quantity, options.Nuclides);
    } catch (const ComparisonError& e) {
        throw UsageError(e.what());
    }
    if (!options.Chart.empty())
        SaveChart(backends, ComparisonChart(comparison, "Comparison: " + QuantityTitle(quantity, false)),
                  options.Chart);
    const RowFormat format = FormatOf(options);
    if (format == RowFormat::Json) {
        WriteText(ComparisonJson(comparison), options.Output, out);
        return ExitTable;
    }
    WriteRows(format, options.Output, out,
              [&](RowWriter& writer) { WriteComparison(comparison, quantity.Age, writer); });
    return ExitTable;
}

int Dump(const CatalogueOptions& options, CoefficientCatalogue& catalogue, std::ostream& out) {
    RowFormat format = FormatOf(options);
    // Too many rows to align: plain text is tab-separated.
    if (format == RowFormat::Text) format = RowFormat::Tsv;
    WriteRows(format, options.Output, out, [&](RowWriter& writer) { WriteEveryCoefficient(catalogue, writer); });
    return ExitTable;
}

}  // namespace

void AddFilterOptions(CLI::App& command, CatalogueOptions& options) {
    command.add_option("--name", options.Text, "Keep nuclides whose name or element contains this text");
    command.add_option("--element", options.Element, "Keep one element, by name or symbol");
    command.add_option("--z-min", options.ZMin, "Lowest atomic number kept");
    command.add_option("--z-max", options.ZMax, "Highest atomic number kept");
    command.add_option("--half-life-min", options.HalfLifeMin, "Shortest half-life kept, e.g. 1d (s, m, h, d, y)");
    command.add_option("--half-life-max", options.HalfLifeMax, "Longest half-life kept, e.g. 30y");
    command.add_option("--value-min", options.ValueMin, "Lowest value kept, in the chosen unit");
    command.add_option("--value-max", options.ValueMax, "Highest value kept, in the chosen unit");
    command.add_option("--top", options.Top, "Show only the first N rows")->check(CLI::PositiveNumber);
}

void AddCatalogueCommands(CLI::App& app, std::string& databasePath, CoefficientRequest& request,
                          CatalogueOptions& options) {
    options.Rank = app.add_subcommand("rank", "Every nuclide and form by the value of one table cell, highest first");
    AddRequestOptions(*options.Rank, databasePath, request);
    AddQuantityOptions(*options.Rank, options, true);
    AddFilterOptions(*options.Rank, options);
    options.Rank->add_flag("--ascending", options.Ascending, "Lowest value first");
    AddProgenyOptions(*options.Rank, options.WithProgeny, options.ProgenyCutoffSeconds);
    AddFormatOptions(*options.Rank, options);
    AddChartOption(*options.Rank, options, "the first rows as bars (--top of them, else 20)");

    options.Compare = app.add_subcommand("compare", "Nuclides side by side: every row of one table at one age or band");
    AddRequestOptions(*options.Compare, databasePath, request);
    AddQuantityOptions(*options.Compare, options, false);
    options.Compare
        ->add_option("--nuclide", options.Nuclides, "A nuclide to compare; repeat for up to 12 (two: a ratio)")
        ->required()
        ->take_all();
    AddProgenyOptions(*options.Compare, options.WithProgeny, options.ProgenyCutoffSeconds);
    AddFormatOptions(*options.Compare, options);
    AddChartOption(*options.Compare, options, "the comparison as grouped bars, a group for each row");

    options.Dump =
        app.add_subcommand("dump", "Every coefficient of the database, one row each, in each table's first unit");
    options.Dump->add_option("--database", databasePath,
                             "Coefficient database (default: DoseAndRisk.mdb beside the program)");
    AddProgenyOptions(*options.Dump, options.WithProgeny, options.ProgenyCutoffSeconds);
    AddFormatOptions(*options.Dump, options);
}

bool CatalogueCommandChosen(const CatalogueOptions& options) {
    return options.Rank->parsed() || options.Compare->parsed() || options.Dump->parsed();
}

int RunCatalogueCommand(const CatalogueOptions& options, const std::string& databasePath,
                        const CoefficientRequest& request, std::ostream& out, const CommandLineBackends& backends) {
    DatabaseSession session(databasePath);
    CoefficientCatalogue catalogue(session);
    if (options.WithProgeny) catalogue.IncludeProgeny(options.ProgenyCutoffSeconds);
    if (options.Rank->parsed()) return Rank(options, catalogue, request, out, backends);
    if (options.Compare->parsed()) return Compare(options, catalogue, request, out, backends);
    return Dump(options, catalogue, out);
}

}  // namespace quorvel

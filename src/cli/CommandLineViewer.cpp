#include "CommandLineViewer.h"

#include <CLI/CLI.hpp>
#include <filesystem>
#include <ostream>

#include "AccessDatabase.h"
#include "CatalogueCommands.h"
#include "CatalogueExports.h"
#include "CodeWords.h"
#include "CoefficientDispatcher.h"
#include "DatabaseError.h"
#include "DatabaseFormat.h"
#include "DatabaseSession.h"
#include "DecayChainTable.h"
#include "DurationOption.h"
#include "GridText.h"
#include "IntakeCommand.h"
#include "LimitCommand.h"
#include "Mixture.h"
#include "NuclideCharts.h"
#include "NuclideList.h"
#include "NumberText.h"
#include "PrintFooter.h"
#include "PrinterSurface.h"
#include "ProgenySum.h"
#include "RowOutput.h"
#include "TerminalTable.h"
#include "UsageError.h"

namespace quorvel {

namespace {

enum class OutputFormat { Text, Csv, Tsv, Json, Pdf };

struct Options {
    std::string DatabasePath;
    CoefficientRequest Request;
    OutputFormat Format = OutputFormat::Text;
    std::string OutputPath;
    bool Portrait = false;
    PaperSize Paper = PaperSize::Letter;
    CLI::Option* PaperOption = nullptr;  // given: Paper, else the locale's
    bool ListNuclides = false;
    bool ListUnits = false;
    std::vector<std::string> Convert;
    bool WithProgeny = false;
    double ProgenyCutoffSeconds = DefaultProgenyCutoffSeconds;
    CLI::App* Chain = nullptr;  // the decay chain of --nuclide instead of a table
    std::string ChartPath;
    ChartChoice Chart;
};

std::string ChartKindsOf(CoefficientType type, Pathway pathway) {
    std::string words;
    for (const auto& kind : quorvel::ChartKindsOf(TableKind{type, pathway}))
        words += (words.empty() ? "" : " or ") + kind;
    return words;
}

// The chart kinds of each table kind, the default first.
std::string ChartKindsHelp() {
    return ChartKindsOf(CoefficientType::Dose, Pathway::Ingestion) + " (internal dose), " +
           ChartKindsOf(CoefficientType::Dose, Pathway::External) + " (external dose), " +
           ChartKindsOf(CoefficientType::Risk, Pathway::Ingestion) + " (risk); default: the first";
}

// The words of --format; a decay chain is not printed into a PDF.
CLI::Validator FormatWords(bool withPdf) {
    std::vector<std::pair<std::string, OutputFormat>> words{{"text", OutputFormat::Text},
                                                            {"csv", OutputFormat::Csv},
                                                            {"tsv", OutputFormat::Tsv},
                                                            {"json", OutputFormat::Json}};
    if (withPdf) words.emplace_back("pdf", OutputFormat::Pdf);
    return WordsOf(words);
}

void AddOptions(CLI::App& app, Options& options) {
    app.add_option("--database", options.DatabasePath,
                   "Coefficient database (default: DoseAndRisk.mdb beside the program)");
    app.add_option("--nuclide", options.Request.Nuclide,
                   "Nuclide name as listed, e.g. Co-60 (default: the first of the list)");
    AddCodeOption(app, "--type", options.Request.Kind.Type, "dose or risk (default: dose)", CoefficientTypeWords());
    AddCodeOption(app, "--pathway", options.Request.Kind.PathwayCode,
                  "ingestion, inhalation or external (default: ingestion)", PathwayWords());
    AddCodeOption(app, "--geometry", options.Request.Kind.Geometry,
                  "External geometry: submersion, ground-plane or soil-volume (default: submersion)", GeometryWords());
    app.add_option("--unit", options.Request.UnitPosition, "Position of the unit in --list-units (default: 1)")
        ->check(CLI::Validator(
            [](std::string& text) {
                const auto value = ReadNumber(text);
                return value && *value >= 1 && *value == static_cast<int>(*value) ? std::string()
                                                                                  : "must be a whole number from 1 on";
            },
            "POSITION"));
    app.add_option("--format", options.Format,
                   "text (aligned columns), csv (as the text export writes), tsv (as the clipboard copy), json (every "
                   "cell with its value, text and source) or pdf (as the desktop prints it, into --output)")
        ->transform(FormatWords(true));
    app.add_option("--output", options.OutputPath, "File that --format pdf writes (replaced when it exists)");
    app.add_flag("--portrait", options.Portrait, "Print the PDF in portrait (default: landscape)");
    options.PaperOption =
        app.add_option("--paper", options.Paper,
                       "Paper of the PDF: letter, a4 or legal (default: the locale's, Letter in the US)")
            ->transform(WordsOf(PaperSizeNames()))
            ->type_name("WORD");
    AddProgenyOptions(app, options.WithProgeny, options.ProgenyCutoffSeconds);
    app.add_option("--chart", options.ChartPath,
                   "Also draw the table as a chart into FILE: PNG, SVG or PDF by its ending (replaced when it exists)")
        ->type_name("FILE");
    app.add_option("--chart-kind", options.Chart.Kind, "The chart drawn, " + ChartKindsHelp());
    app.add_option("--chart-descriptor", options.Chart.Descriptor,
                   "Row a by-age chart draws, its beginning enough (default: the effective dose; risk: Total)");
    app.add_option("--chart-age", options.Chart.Age,
                   "Age group or band of an organs or sites chart (default: Adult; risk: the lifetime band)");
    options.Chain = app.add_subcommand("chain",
                                       "Print the decay chain of --nuclide: each member with its half-life, "
                                       "branching and cumulative fractions and the tables that hold it");
    options.Chain->add_option("--nuclide", options.Request.Nuclide, "Nuclide name as listed, e.g. U-238")->required();
    options.Chain->add_option("--database", options.DatabasePath, "Coefficient database");
    options.Chain
        ->add_option("--progeny-cutoff", options.ProgenyCutoffSeconds,
                     std::string("Half-life that ends the chain: ") + DurationUnitsHelp() + " (default 180d)")
        ->transform(DurationValidator());
    options.Chain->add_option("--format", options.Format, "text, csv, tsv or json")->transform(FormatWords(false));
    auto* listNuclides =
        app.add_flag("--list-nuclides", options.ListNuclides, "Print the nuclide list, one entry a line");
    auto* listUnits =
        app.add_flag("--list-units", options.ListUnits, "Print the units of the chosen type, pathway and geometry");
    listNuclides->excludes(listUnits);
    auto* convert =
        app.add_option("--convert", options.Convert,
                       "Write an SQLite copy of a Microsoft Access coefficient database that the viewer can "
                       "open; OUT.sqlite must not exist yet (an existing file is never replaced)")
            ->expected(2)
            ->type_name("FILE.mdb OUT.sqlite");
    convert->excludes(listNuclides);
    convert->excludes(listUnits);
}

int ConvertDatabase(const Options& options, std::ostream& out) {
    const std::string& source = options.Convert[0];
    const std::string& target = options.Convert[1];
    if (DetectDatabaseFormat(source) == DatabaseFormat::Sqlite)
        throw UsageError("--convert: " + source +
                         " is an SQLite database, as the shipped DoseAndRisk.mdb is; --database opens it as it is, "
                         "and --convert takes a Microsoft Access file (.mdb or .accdb).");
    std::error_code error;
    if (std::filesystem::exists(target, error))
        throw UsageError("--convert: " + target + " already exists; remove it first or name another file.");
    const AccessConversion conversion = ConvertAccessDatabase(source, target);
    out << "Wrote " << conversion.Tables << " tables with " << conversion.Records << " records to " << target << ".\n";
    return ExitTable;
}

void PrintUnits(const std::vector<UnitChoice>& units, std::ostream& out) {
    for (std::size_t i = 0; i < units.size(); ++i) out << i + 1 << "  " << units[i].Name << '\n';
}

void PrintGrid(const FlexGrid& grid, OutputFormat format, std::ostream& out) {
    switch (format) {
        case OutputFormat::Csv: out << FormatGridAsCommaSeparatedText(grid); break;
        case OutputFormat::Tsv:
            if (grid.Rows() > 0 && grid.Cols() > 0)
                out << FormatBlockAsClipboardText(grid, 0, grid.Rows() - 1, 0, grid.Cols() - 1);
            out << '\n';
            break;
        case OutputFormat::Text: out << FormatGridAsAlignedText(grid); break;
        case OutputFormat::Json:
        case OutputFormat::Pdf: break;  // written from the cells, printed by the backend
    }
}

// Messages of the printing, as one line each on the error stream.
class StreamPrompt : public UserPrompt {
public:
    explicit StreamPrompt(std::ostream& err) : err_(err) {}
    void ShowMessage(const std::string& text) override { err_ << "quorvel-cli: " << text << '\n'; }
    bool AskYesNo(const std::string& question) override {
        ShowMessage(question);
        return false;
    }

private:
    std::ostream& err_;
};

void CheckPdfOptions(const Options& options, const CommandLineBackends& backends) {
    const bool pdf = options.Format == OutputFormat::Pdf;
    if (pdf && !backends.PrintGridToPdf) throw UsageError("PDF output is not available in this build");
    if (pdf && options.OutputPath.empty()) throw UsageError("--format pdf needs --output FILE.pdf");
    if (!pdf && (!options.OutputPath.empty() || options.Portrait || options.PaperOption->count() > 0))
        throw UsageError("--output, --portrait and --paper go with --format pdf");
}

void CheckChartOptions(const Options& options, const CommandLineBackends& backends) {
    const bool choice = !options.Chart.Kind.empty() || !options.Chart.Descriptor.empty() || !options.Chart.Age.empty();
    if (options.ChartPath.empty()) {
        if (choice) throw UsageError("--chart-kind, --chart-descriptor and --chart-age go with --chart FILE");
        return;
    }
    if (!backends.SaveChart) throw UsageError("charts are not available in this build");
}

// A name the list lacks is a typo to a script, not a gap in the tables: the desktop shows
// "(None Available)" for it, the command line names the closest names and fails.
void CheckListed(const CoefficientCatalogue& catalogue, const std::string& nuclide) {
    if (!catalogue.FindNuclide(nuclide))
        throw UsageError("--nuclide: " + catalogue.NotListed(nuclide) + " (see --list-nuclides).");
}

// The chart of the table the request shows, from the catalogue with the same +D switch.
void WriteTableChart(CoefficientCatalogue& catalogue, const Options& options, const CoefficientRequest& request,
                     const FlexGrid& grid, const CommandLineBackends& backends) {
    if (options.WithProgeny) catalogue.IncludeProgeny(options.ProgenyCutoffSeconds);
    ChartData chart;
    try {
        chart = NuclideChart(catalogue, request, options.Chart);
    } catch (const ChartChoiceError& e) {
        throw UsageError(e.what());
    }
    try {
        backends.SaveChart(chart, options.ChartPath, FooterDescription(grid, ""));
    } catch (const std::exception& e) {
        throw UsageError(e.what());
    }
}

int PrintDecayChain(const Options& options, std::ostream& out) {
    DatabaseSession session(options.DatabasePath);
    CoefficientCatalogue catalogue(session);
    CheckListed(catalogue, options.Request.Nuclide);
    const DecayData& decay = session.Decay();
    if (decay.Empty()) throw DatabaseError("This database holds no decay data.");
    if (options.Format == OutputFormat::Json)
        out << DecayChainJson(catalogue, decay, options.Request.Nuclide, options.ProgenyCutoffSeconds);
    else
        PrintGrid(DecayChainGrid(catalogue, decay, options.Request.Nuclide, options.ProgenyCutoffSeconds),
                  options.Format, out);
    return ExitTable;
}

int Run(const Options& options, const CommandLineBackends& backends, std::ostream& out, std::ostream& err) {
    if (!options.Convert.empty()) return ConvertDatabase(options, out);
    if (options.Chain->parsed()) return PrintDecayChain(options, out);
    CheckPdfOptions(options, backends);
    CheckChartOptions(options, backends);
    DatabaseSession session(options.DatabasePath);
    Recordset nuclides = session.NuclideRecords();
    const std::vector<std::string> entries = ReadNuclideListEntries(nuclides);

    if (options.ListNuclides) {
        for (const auto& entry : entries) out << entry << '\n';
        return ExitTable;
    }
    CoefficientRequest request = options.Request;
    if (options.ListUnits) {
        PrintUnits(UnitListOf(session.Units(), request.Kind.Type).Units(UnitCategory(request.Kind)), out);
        return ExitTable;
    }
    try {
        ChooseUnit(session.Units(), request);
    } catch (const UnitPositionError& e) {
        throw UsageError("--unit " + std::to_string(request.UnitPosition) + ": " + e.what() + " (see --list-units).");
    }
    CoefficientCatalogue catalogue(session);
    if (request.Nuclide.empty() && !entries.empty()) request.Nuclide = EntryNuclide(entries.front());
    CheckListed(catalogue, request.Nuclide);
    FlexGrid grid;
    NoBusyPointer pointer;
    const ShownTable shown =
        DispatchCoefficientRequest(session, request, grid, pointer,
                                   options.WithProgeny ? std::optional(options.ProgenyCutoffSeconds) : std::nullopt);
    if (!options.ChartPath.empty()) WriteTableChart(catalogue, options, request, grid, backends);
    if (options.Format == OutputFormat::Pdf) {
        // The printing says why the file could not be written; that is the user's to mend.
        StreamPrompt prompt(err);
        PageSetup setup{options.Portrait ? PortraitPaperStyle : LandscapePaperStyle, std::nullopt};
        if (options.PaperOption->count() > 0) setup.Paper = options.Paper;
        return backends.PrintGridToPdf(grid, setup, options.OutputPath, prompt) ? ExitTable : ExitBadUsage;
    }
    if (options.Format == OutputFormat::Json)
        out << TableJson(shown, catalogue.FindNuclide(request.Nuclide)->Nuclide);
    else
        PrintGrid(grid, options.Format, out);
    return ExitTable;
}

}  // namespace

int RunCommandLineViewer(int argc, const char* const* argv, const std::string& applicationDirectory, std::ostream& out,
                         std::ostream& err, const CommandLineBackends& backends) {
    CLI::App app{"Prints published dose and risk coefficient tables of one radionuclide.", "quorvel-cli"};
    Options options;
    options.DatabasePath = applicationDirectory + "/DoseAndRisk.mdb";
    AddOptions(app, options);
    CatalogueOptions catalogue;
    AddCatalogueCommands(app, options.DatabasePath, options.Request, catalogue);
    IntakeOptions intake;
    AddIntakeCommand(app, options.DatabasePath, intake);
    LimitOptions limit;
    AddLimitCommand(app, options.DatabasePath, limit);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        out << app.help();
        return ExitTable;
    } catch (const CLI::ParseError& e) {
        err << "quorvel-cli: " << e.what() << '\n';
        return ExitBadUsage;
    }
    const char* const program = intake.Command->parsed()  ? "quorvel-cli intake: "
                                : limit.Command->parsed() ? "quorvel-cli limit: "
                                                          : "quorvel-cli: ";
    const auto failed = [&](const std::exception& e, int code) {
        err << program << e.what() << '\n';
        return code;
    };
    try {
        if (intake.Command->parsed()) return RunIntakeCommand(intake, options.DatabasePath, out, err);
        if (limit.Command->parsed()) return RunLimitCommand(limit, options.DatabasePath, out, err, backends);
        if (CatalogueCommandChosen(catalogue))
            return RunCatalogueCommand(catalogue, options.DatabasePath, options.Request, out, backends);
        return Run(options, backends, out, err);
    } catch (const UsageError& e) {
        return failed(e, ExitBadUsage);
    } catch (const MixtureFormatError& e) {
        return failed(e, ExitBadUsage);
    } catch (const OutputError& e) {
        return failed(e, ExitBadUsage);
    } catch (const std::exception& e) {
        return failed(e, ExitDatabaseError);
    }
}

}  // namespace quorvel

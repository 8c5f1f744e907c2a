#include "IntakeCommand.h"

#include <fstream>
#include <ostream>

#include "CaseFolding.h"
#include "CodeWords.h"
#include "CommandLineViewer.h"
#include "DurationOption.h"
#include "IntakeCalculation.h"
#include "IntakeResultTable.h"
#include "Mixture.h"
#include "NumberText.h"
#include "UsageError.h"

namespace quorvel {

namespace {

std::vector<MixtureRow> ReadRows(const IntakeOptions& options) {
    std::vector<MixtureRow> rows;
    if (!options.Mixture.empty()) {
        std::ifstream file(options.Mixture, std::ios::binary);
        if (!file) throw MixtureFormatError("the mixture file " + options.Mixture + " cannot be read");
        rows = ReadMixture(file);
    }
    for (const auto& line : options.Rows) rows.push_back(ReadMixtureRow(line, static_cast<int>(rows.size()) + 1));
    if (rows.empty()) throw MixtureFormatError("no rows: give --mixture FILE.csv or --row \"...\"");
    return rows;
}

std::string Columns() {
    std::string names;
    for (const auto& column : MixtureColumns()) names += (names.empty() ? "" : ",") + column;
    return names;
}

}  // namespace

void AddIntakeCommand(CLI::App& app, std::string& databasePath, IntakeOptions& options) {
    options.Command = app.add_subcommand(
        "intake", "Committed doses and risks of intakes and external exposures, with every step shown");
    CLI::App& command = *options.Command;
    command.add_option("--database", databasePath,
                       "Coefficient database (default: DoseAndRisk.mdb beside the program)");
    command.add_option("--mixture", options.Mixture,
                       "CSV file whose header names its columns, in any order: " + Columns());
    command.add_option("--row", options.Rows,
                       "One row in the order " + Columns() + " (repeatable), e.g. \"Cs-137,ingestion,,,Adult,1E4,Bq\"");
    command.add_option("--organ", options.Organ, "Also the committed equivalent dose of this organ");
    command.add_option("--dose-unit", options.DoseUnit, "Dose unit of the results: " + UnitNames(DoseUnits()))
        ->check(CLI::IsMember({"Sv", "mSv", "uSv", "rem", "mrem"}));
    command.add_option("--risk-band", options.RiskBand,
                       "Band of age at intake of the risk coefficients, e.g. \"0-5\" or \"Age 25-70\" "
                       "(default: the lifetime band, 0-110)");
    AddProgenyOptions(command, options.WithProgeny, options.ProgenyCutoffSeconds);
    command.add_option("--format", options.Format, "text, csv, tsv, json, or xlsx with --output (default: text)")
        ->check(OneOf({"text", "csv", "tsv", "json", "xlsx"}));
    command.add_option("--output", options.Output, "Write to this file rather than to standard output");
    command.footer(
        "Pathways: ingestion, inhalation, submersion, ground-plane, soil-volume. Intake units: " +
        UnitNames(ActivityUnits()) + ". Concentrations: submersion " +
        UnitNames(ConcentrationUnits(ExternalGeometry::Submersion)) + "; ground-plane " +
        UnitNames(ConcentrationUnits(ExternalGeometry::GroundPlane)) + "; soil-volume " +
        UnitNames(ConcentrationUnits(ExternalGeometry::SoilVolume)) +
        " (soil of 1.6 g/cm3). Times: " + UnitNames(TimeUnits()) +
        " (y = 365.25 d). Form: needed where the table has several; the form's text or its beginning, or F, M, S, "
        "V (inhalation type), HTO, OBT or f1=VALUE. Intake (ingestion risk): tap water or food, default tap water; "
        "age: an age group, default Adult. Decay (external): constant (default) or decaying, the deposit then "
        "decaying with the nuclide's half-life.");
}

int RunIntakeCommand(const IntakeOptions& options, const std::string& databasePath, std::ostream& out,
                     std::ostream& err) {
    const std::vector<MixtureRow> rows = ReadRows(options);
    CalculationOptions calculation{options.Organ, options.DoseUnit, options.RiskBand, std::nullopt};
    if (options.WithProgeny) calculation.ProgenyCutoffSeconds = options.ProgenyCutoffSeconds;
    DatabaseSession session(databasePath);
    CoefficientCatalogue catalogue(session);
    MixtureResult result;
    try {
        result = CalculateMixture(catalogue, rows, calculation);
    } catch (const CalculationOptionError& e) {
        throw UsageError(e.what());
    }
    RowFormat format = RowFormat::Text;
    for (const auto& [word, value] : RowFormatWords())
        if (word == FoldCase(options.Format)) format = value;
    WriteResultTable(BuildResultTable(result, calculation), format, options.Output, out);
    for (const auto& row : result.Rows)
        if (!row.Error.empty()) err << "quorvel-cli intake: row " << row.Row.Number << ": " << row.Error << '\n';
    return result.AllComputed() ? ExitTable : ExitBadUsage;
}

}  // namespace quorvel

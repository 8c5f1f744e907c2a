#include "IntakeCommand.h"

#include <fstream>
#include <nlohmann/json.hpp>
#include <ostream>

#include "CommandLineViewer.h"
#include "CsvFields.h"
#include "DurationOption.h"
#include "IntakeCalculation.h"
#include "Mixture.h"

namespace quorvel {

namespace {

std::string Number(const std::optional<double>& value) { return value ? FormatCalculatorNumber(*value) : ""; }

std::string Share(double share) { return FormatDoseIn(share * 100, {"%", 1}); }

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

void WriteText(const MixtureResult& result, const CalculationOptions& calculation, std::ostream& out) {
    const CalculatorUnit unit = *FindUnit(DoseUnits(), calculation.DoseUnit);
    for (const auto& row : result.Rows) {
        out << "Row " << row.Row.Number << ": " << row.Row.Nuclide << ", " << row.Row.Pathway << ", " << row.Row.Amount
            << ' ' << row.Row.Unit;
        if (!row.Row.Time.empty()) out << " for " << row.Row.Time << ' ' << row.Row.TimeUnit;
        out << '\n';
        if (!row.Error.empty()) {
            out << "  not computed: " << row.Error << '\n';
            continue;
        }
        for (const auto& step : row.Steps) out << "  " << step << '\n';
        for (const auto& note : row.Notes) out << "  note: " << note << '\n';
        out << "  share of the total: " << Share(row.Share) << '\n';
    }
    out << "Total effective dose: " << FormatCalculatorNumber(result.TotalEffectiveDoseSv)
        << " Sv = " << FormatDoseIn(result.TotalEffectiveDoseSv, unit) << '\n';
}

void WriteCsv(const MixtureResult& result, std::ostream& out) {
    out << "row,nuclide,pathway,form,amount,unit,time,time_unit,effective_dose_Sv,effective_dose_equivalent_Sv,"
           "organ,organ_dose_Sv,mortality_risk,morbidity_risk,share,error\n";
    for (const auto& row : result.Rows) {
        const MixtureRow& in = row.Row;
        out << in.Number << ',' << CsvField(in.Nuclide) << ',' << CsvField(in.Pathway) << ',' << CsvField(row.Form)
            << ',' << CsvField(in.Amount) << ',' << CsvField(in.Unit) << ',' << CsvField(in.Time) << ','
            << CsvField(in.TimeUnit) << ',' << Number(row.EffectiveDoseSv) << ','
            << Number(row.EffectiveDoseEquivalentSv) << ',' << CsvField(row.Organ) << ',' << Number(row.OrganDoseSv)
            << ',' << Number(row.MortalityRisk) << ',' << Number(row.MorbidityRisk) << ','
            << (row.Error.empty() ? FormatCalculatorNumber(row.Share) : "") << ',' << CsvField(row.Error) << '\n';
    }
    out << "total,,,,,,,," << FormatCalculatorNumber(result.TotalEffectiveDoseSv) << ",,,,,,,\n";
}

void WriteJson(const MixtureResult& result, std::ostream& out) {
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    for (const auto& row : result.Rows) {
        nlohmann::ordered_json item;
        item["row"] = row.Row.Number;
        item["nuclide"] = row.Row.Nuclide;
        item["pathway"] = row.Row.Pathway;
        if (!row.Error.empty()) {
            item["error"] = row.Error;
            rows.push_back(item);
            continue;
        }
        item["form"] = row.Form;
        item["effective_dose_Sv"] = *row.EffectiveDoseSv;
        if (row.EffectiveDoseEquivalentSv) item["effective_dose_equivalent_Sv"] = *row.EffectiveDoseEquivalentSv;
        if (row.OrganDoseSv) {
            item["organ"] = row.Organ;
            item["organ_dose_Sv"] = *row.OrganDoseSv;
        }
        item["share"] = row.Share;
        if (row.MortalityRisk) item["mortality_risk"] = *row.MortalityRisk;
        if (row.MorbidityRisk) item["morbidity_risk"] = *row.MorbidityRisk;
        item["steps"] = row.Steps;
        if (!row.Notes.empty()) item["notes"] = row.Notes;
        rows.push_back(item);
    }
    nlohmann::ordered_json document;
    document["rows"] = rows;
    document["total_effective_dose_Sv"] = result.TotalEffectiveDoseSv;
    out << document.dump(2) << '\n';
}

}  // namespace

void AddIntakeCommand(CLI::App& app, std::string& databasePath, IntakeOptions& options) {
    options.Command = app.add_subcommand(
        "intake", "Committed doses and lifetime risks of intakes and external exposures, with every step shown");
    CLI::App& command = *options.Command;
    command.add_option("--database", databasePath,
                       "Coefficient database (default: DoseAndRisk.mdb beside the program)");
    command.add_option("--mixture", options.Mixture,
                       "CSV file whose header names its columns, in any order: "
                       "nuclide,pathway,form,intake,age,amount,unit,time,time_unit");
    command.add_option("--row", options.Rows,
                       "One row in the order nuclide,pathway,form,intake,age,amount,unit,time,time_unit "
                       "(repeatable), e.g. \"Cs-137,ingestion,,,Adult,1E4,Bq\"");
    command.add_option("--organ", options.Organ, "Also the committed equivalent dose of this organ");
    command.add_option("--dose-unit", options.DoseUnit, "Dose unit shown beside Sv: " + UnitNames(DoseUnits()))
        ->check(CLI::IsMember({"Sv", "mSv", "uSv", "rem", "mrem"}));
    AddProgenyOptions(command, options.WithProgeny, options.ProgenyCutoffSeconds);
    command.add_option("--format", options.Format, "text, csv or json (default: text)")
        ->check(CLI::IsMember({"text", "csv", "json"}, CLI::ignore_case));
    command.footer(
        "Pathways: ingestion, inhalation, submersion, ground-plane, soil-volume. Intake units: " +
        UnitNames(ActivityUnits()) + ". Concentrations: submersion " +
        UnitNames(ConcentrationUnits(ExternalGeometry::Submersion)) + "; ground-plane " +
        UnitNames(ConcentrationUnits(ExternalGeometry::GroundPlane)) + "; soil-volume " +
        UnitNames(ConcentrationUnits(ExternalGeometry::SoilVolume)) +
        " (soil of 1.6 g/cm3). Times: " + UnitNames(TimeUnits()) +
        " (y = 365.25 d). An empty form is the first form; "
        "intake (ingestion risk) is tap water or food, default tap water; age is an age group, default Adult.");
}

int RunIntakeCommand(const IntakeOptions& options, const std::string& databasePath, std::ostream& out,
                     std::ostream& err) {
    const std::vector<MixtureRow> rows = ReadRows(options);
    const CalculationOptions calculation{options.Organ, options.DoseUnit};
    DatabaseSession session(databasePath);
    CoefficientCatalogue catalogue(session);
    if (options.WithProgeny) catalogue.IncludeProgeny(options.ProgenyCutoffSeconds);
    const MixtureResult result = CalculateMixture(catalogue, rows, calculation);
    const std::string format = options.Format;
    if (format == "json")
        WriteJson(result, out);
    else if (format == "csv")
        WriteCsv(result, out);
    else
        WriteText(result, calculation, out);
    for (const auto& row : result.Rows)
        if (!row.Error.empty()) err << "quorvel-cli intake: row " << row.Row.Number << ": " << row.Error << '\n';
    return result.AllComputed() ? ExitTable : ExitBadUsage;
}

}  // namespace quorvel

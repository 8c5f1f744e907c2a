// The command-line viewer on fixture databases: its outputs, its lists, its defaults and
// its exit codes.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "CoefficientDispatcher.h"
#include "PrinterSurface.h"
#include "Database.h"
#include "FixtureDatabase.h"
#include "FlexGrid.h"
#include "GridText.h"
#include "StartUpReaders.h"
#include "ViewerRun.h"

namespace {

using quorvel::FieldValue;
using quorvel::FlexGrid;
using quorvel::test::ExpectOneLineFailure;
using quorvel::test::FixtureDatabase;
using quorvel::test::RiskRow;
using quorvel::test::RunViewer;
using quorvel::test::TemporaryFolder;
using quorvel::test::ViewerRun;

constexpr const char* NoneAvailableCsv = "\"\"\r\n\"(None Available)\"\r\n";

class CommandLineViewerTest : public ::testing::Test {
protected:
    CommandLineViewerTest() {
        db.CreateStartUpTables();
        for (int k = 1; k <= 30; ++k) {
            db.AddIngestionRiskRecord("Co-60", k <= 15 ? "Water" : "Food", k <= 15 ? FieldValue("Oxide") : FieldValue(),
                                      "0.1", RiskRow(k), k);
            db.AddIngestionRiskRecord("H-3", "Water", FieldValue(), "1", RiskRow(k + 40), 100 + k);
        }
        for (int k = 1; k <= 15; ++k) {
            db.AddInhalationRiskRecord("Co-60", "Type M", "0.1", RiskRow(k), k);
            db.AddExternalRiskRecord("Co-60", "Submersion", RiskRow(k), k);
            db.AddExternalRiskRecord("Co-60", "Soil Layer", RiskRow(k + 20), 100 + k);
        }
        for (const auto& [age, id] : std::vector<std::pair<double, std::int64_t>>{
                 {100, 1}, {365, 2}, {1825, 3}, {3650, 4}, {5475, 5}, {7300, 6}}) {
            const std::map<int, FieldValue> coefficients = {{1, 1.5e-9 * static_cast<double>(id)}, {2, 2.5e-9}, {25, 3.4e-9}};
            db.AddDose("Fgr13ingGDB", "Co-60", coefficients, id, "f1 = 0.1", age);
            db.AddDose("Fgr13inhHDB", "Co-60", coefficients, id, "Type M, f1 = 0.1", age);
        }
        db.AddExternalDoseRecord("F12TIII1", "Co-60", "Co-60, Submersion", {{2, 1.3e-13}, {28, 1.2e-13}}, 1);
        db.AddExternalDoseRecord("F12TIII3", "Co-60", "Co-60, Ground Plane", {{2, 1.1e-16}, {28, 2.2e-16}}, 1);
    }

    FixtureDatabase db;
};

// ---------------------------------------------------------------------------------------
// Tables

struct OutputCase {
    const char* Name;
    std::vector<std::string> Arguments;
    int Type;
    int Pathway;
    int Geometry;
    double UnitFactor;
    const char* UnitName;
};

void PrintTo(const OutputCase& c, std::ostream* os) { *os << c.Name; }

class CommandLineOutputTest : public CommandLineViewerTest, public ::testing::WithParamInterface<OutputCase> {
protected:
    // The same table built directly, as the desktop window builds it.
    FlexGrid DirectGrid() {
        const OutputCase& c = GetParam();
        const quorvel::AgeGroups ages = quorvel::ReadAgeUnits(*quorvel::OpenDatabase(db.Path()));
        FlexGrid grid;
        quorvel::NoBusyPointer pointer;
        quorvel::DispatchCoefficientRequest(db.Path(), {"Co-60", c.Type, c.Pathway, c.Geometry, 1}, grid,
                                            {c.UnitFactor, c.UnitName}, ages, 1, pointer);
        return grid;
    }
    std::vector<std::string> Arguments(const std::string& format) {
        std::vector<std::string> arguments = {"--database", db.Path(), "--nuclide", "Co-60", "--format", format};
        arguments.insert(arguments.end(), GetParam().Arguments.begin(), GetParam().Arguments.end());
        return arguments;
    }
};

TEST_P(CommandLineOutputTest, CsvIsTheTextExportAndTsvTheClipboardTextOfTheSameTable) {
    const FlexGrid grid = DirectGrid();
    ASSERT_GT(grid.Rows(), 2);
    const ViewerRun csv = RunViewer(Arguments("csv"));
    EXPECT_EQ(csv.Code, 0) << csv.Err;
    EXPECT_EQ(csv.Err, "");
    EXPECT_EQ(csv.Out, quorvel::FormatGridAsCommaSeparatedText(grid));
    const ViewerRun tsv = RunViewer(Arguments("tsv"));
    EXPECT_EQ(tsv.Code, 0) << tsv.Err;
    EXPECT_EQ(tsv.Out, quorvel::FormatBlockAsClipboardText(grid, 0, grid.Rows() - 1, 0, grid.Cols() - 1) + "\n");
    EXPECT_EQ(std::count(tsv.Out.begin(), tsv.Out.end(), '\n'), grid.Rows()) << "one line a row";
    EXPECT_EQ(tsv.Out.find('\r'), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, CommandLineOutputTest,
    ::testing::Values(
        OutputCase{"RiskIngestionSecondUnit", {"--type", "risk", "--unit", "2"}, quorvel::RiskCoefficients, quorvel::IngestionPathway, 0,
                   0.037, "per pCi"},
        OutputCase{"RiskInhalation", {"--type", "risk", "--pathway", "inhalation"}, quorvel::RiskCoefficients,
                   quorvel::InhalationPathway, 0, 1, "per Bq"},
        OutputCase{"DoseExternalGroundPlane", {"--type", "dose", "--pathway", "external", "--geometry", "ground-plane"},
                   quorvel::DoseCoefficients, quorvel::ExternalPathway, 1, 1, "Sv m2/(Bq s)"}),
    [](const ::testing::TestParamInfo<OutputCase>& testCase) { return std::string(testCase.param.Name); });

// One external risk record, with a text holding a comma and a Null among its values.
TEST(CommandLineTextTest, TextIsTheDefaultAndAlignsColumnsToTheirWidestCell) {
    FixtureDatabase db;
    db.CreateStartUpTables();
    db.AddExternalRiskRecord(
        "Kr-85", "Submersion",
        {"Skin", 1.5e-12, "n/a, see note", FieldValue(), 2e-12, 2.5e-12, 3e-12, 3.5e-12, 4e-12, 4.5e-12, 5e-12}, 1);
    for (const char* format : {"", "text"}) {
        std::vector<std::string> arguments = {"--database", db.Path(), "--type",    "risk",
                                              "--nuclide",  "Kr-85",   "--pathway", "external"};
        if (*format) arguments.insert(arguments.end(), {"--format", format});
        const ViewerRun result = RunViewer(arguments);
        EXPECT_EQ(result.Code, 0) << result.Err;
        EXPECT_EQ(result.Out,
                  "Submersion Risk Coefficients\n"
                  "Kr-85\n"
                  "Units = per Bq s/m3                                    Mortality                                          Morbidity\n"
                  "Cancer Site                   Male      Female         Average    Lower     Upper     Male      Female    Average    Lower     Upper\n"
                  "Skin                          1.50E-12  n/a, see note             2.00E-12  2.50E-12  3.00E-12  3.50E-12  4.00E-12   4.50E-12  5.00E-12\n" +
                      std::string(15, '\n'))
            << "format \"" << format << "\"";
    }
}

// Hostile names and the database left as it was are the hardening test's.
TEST_F(CommandLineViewerTest, UnknownNuclideShowsNoneAvailable) {
    for (const char* format : {"csv", "text"}) {
        const ViewerRun result = RunViewer({"--database", db.Path(), "--nuclide", "Zz-999", "--format", format});
        EXPECT_EQ(result.Code, 0) << result.Err;
        EXPECT_EQ(result.Err, "");
        EXPECT_EQ(result.Out, std::string(format) == "csv" ? NoneAvailableCsv : "\n(None Available)\n");
    }
}

// ---------------------------------------------------------------------------------------
// Lists and defaults

TEST_F(CommandLineViewerTest, ListNuclidesPrintsOneEntryALineInStoredOrder) {
    db.AddNuclide("104", "Rutherfordium", "Rf-261", "65 s", "E");
    const ViewerRun result = RunViewer({"--database", db.Path(), "--list-nuclides"});
    EXPECT_EQ(result.Code, 0) << result.Err;
    EXPECT_EQ(result.Out,
              "  1   Hydrogen        H-3         12.35 y      I/E \n"
              " 27   Cobalt          Co-60       5.271 y      I/E \n"
              " 55   Cesium          Cs-137      30.0 y       I/E \n"
              "104   Rutherfordium   Rf-261      65 s         E   \n");
}

TEST_F(CommandLineViewerTest, ListUnitsPrintsTheUnitsOfTheChosenCategory) {
    const std::vector<std::pair<std::vector<std::string>, const char*>> cases = {
        {{"--type", "risk"}, "1  per Bq\n2  per pCi\n"},
        {{"--type", "dose"}, "1  Sv/Bq\n2  mSv/Bq\n3  rem/Ci\n"},
        {{"--type", "dose", "--pathway", "external", "--geometry", "ground-plane"}, "1  Sv m2/(Bq s)\n"},
        {{"--type", "dose", "--pathway", "external", "--geometry", "soil-volume"}, "1  Sv m3/(Bq s)\n2  mSv/h per Bq/kg\n"},
    };
    for (const auto& [options, expected] : cases) {
        std::vector<std::string> arguments = {"--database", db.Path(), "--list-units"};
        arguments.insert(arguments.end(), options.begin(), options.end());
        const ViewerRun result = RunViewer(arguments);
        EXPECT_EQ(result.Code, 0) << result.Err;
        EXPECT_EQ(result.Out, expected);
    }
}

TEST_F(CommandLineViewerTest, DefaultsToTheFirstNuclideOfTheList) {
    // H-3 stands first in the list although Co-60 comes first by name.
    const ViewerRun result = RunViewer({"--database", db.Path(), "--type", "risk", "--format", "csv"});
    EXPECT_EQ(result.Code, 0) << result.Err;
    EXPECT_EQ(result.Out.substr(0, 60), "\"Ingestion Risk Coefficients\",,,,,,,,,,,\r\n\"H-3\",,,,,,,,,,,\r\n");
}

TEST_F(CommandLineViewerTest, DefaultDatabaseLiesInTheApplicationDirectoryAndIsNeverCreated) {
    const ViewerRun found = RunViewer({"--nuclide", "Co-60", "--format", "csv"}, db.Folder().string());
    EXPECT_EQ(found.Code, 0) << found.Err;
    EXPECT_EQ(found.Out, RunViewer({"--database", db.Path(), "--nuclide", "Co-60", "--format", "csv"}).Out);

    TemporaryFolder empty;
    const ViewerRun missing = RunViewer({"--nuclide", "Co-60"}, empty.Path().string());
    ExpectOneLineFailure(missing, 1);
    EXPECT_NE(missing.Err.find("DoseAndRisk.mdb"), std::string::npos) << missing.Err;
    EXPECT_FALSE(std::filesystem::exists(empty.Path() / "DoseAndRisk.mdb"));
}

TEST_F(CommandLineViewerTest, PdfIsPrintedByTheBackendInLandscapeUnlessPortrait) {
    struct Call {
        int PaperStyle;
        std::string Path;
        std::string Table;
    };
    std::vector<Call> calls;
    quorvel::CommandLineBackends backends;
    backends.PrintGridToPdf = [&calls](const FlexGrid& grid, int paperStyle, const std::string& path, quorvel::UserPrompt&) {
        calls.push_back({paperStyle, path, quorvel::FormatGridAsCommaSeparatedText(grid)});
        return true;
    };
    const auto run = [&](std::vector<std::string> arguments) {
        std::vector<const char*> argv = {"quorvel-cli", "--database", db.Path().c_str(), "--nuclide", "Co-60"};
        for (const auto& argument : arguments) argv.push_back(argument.c_str());
        std::ostringstream out, err;
        const int code = quorvel::RunCommandLineViewer(static_cast<int>(argv.size()), argv.data(), "/nonexistent", out, err, backends);
        EXPECT_EQ(err.str(), "");
        EXPECT_EQ(out.str(), "");
        return code;
    };
    EXPECT_EQ(run({"--format", "pdf", "--output", "table.pdf"}), 0);
    EXPECT_EQ(run({"--format", "pdf", "--output", "portrait.pdf", "--portrait", "--type", "risk"}), 0);
    ASSERT_EQ(calls.size(), 2U);
    EXPECT_EQ(calls[0].PaperStyle, quorvel::LandscapePaperStyle);
    EXPECT_EQ(calls[0].Path, "table.pdf");
    EXPECT_EQ(calls[0].Table, RunViewer({"--database", db.Path(), "--nuclide", "Co-60", "--format", "csv"}).Out);
    EXPECT_EQ(calls[1].PaperStyle, quorvel::PortraitPaperStyle);

    const ViewerRun without = RunViewer({"--database", db.Path(), "--format", "pdf", "--output", "table.pdf"});
    ExpectOneLineFailure(without, 2);
    EXPECT_EQ(without.Err, "quorvel-cli: PDF output is not available in this build\n");
}

// ---------------------------------------------------------------------------------------
// Failures

class BadUsageTest : public CommandLineViewerTest, public ::testing::WithParamInterface<std::vector<std::string>> {};

TEST_P(BadUsageTest, ExitsWithTwoAndOneLine) {
    std::vector<std::string> arguments = {"--database", db.Path()};
    arguments.insert(arguments.end(), GetParam().begin(), GetParam().end());
    ExpectOneLineFailure(RunViewer(arguments), 2);
}

using Args = std::vector<std::string>;
INSTANTIATE_TEST_SUITE_P(Arguments, BadUsageTest,
                         ::testing::Values(Args{"--colour", "blue"}, Args{"--type", "heat"}, Args{"--unit", "0"},
                                           Args{"--unit", "abc"}, Args{"--type", "dose", "--unit", "4"},
                                           Args{"--list-nuclides", "--list-units"}, Args{"stray"},
                                           Args{"--format", "pdf"}, Args{"--portrait"}));

TEST(CommandLineDatabaseErrorTest, MissingCoefficientTableIsNamedInTheMessage) {
    FixtureDatabase db;
    db.CreateStartUpTables();
    db.Execute("DROP TABLE FGR13INHRBS");
    const ViewerRun result = RunViewer({"--database", db.Path(), "--type", "risk", "--nuclide", "Co-60", "--pathway", "inhalation"});
    ExpectOneLineFailure(result, 1);
    EXPECT_NE(result.Err.find("FGR13INHRBS"), std::string::npos) << result.Err;
    EXPECT_NE(result.Err.find("Co-60"), std::string::npos) << result.Err;

    // The other tables still answer.
    EXPECT_EQ(RunViewer({"--database", db.Path(), "--type", "risk", "--nuclide", "Co-60", "--format", "csv"}).Out, NoneAvailableCsv);
}

TEST(CommandLineDatabaseErrorTest, DatabaseWithoutUnitsForTheRequestExitsWithOne) {
    FixtureDatabase db;
    db.CreateStandardAgeUnits();
    db.CreateNuclideTable();
    db.AddNuclide("27", "Cobalt", "Co-60", "5.271 y", "I/E");
    db.CreateUnitTable("Dose Units", {{{"Sv/Bq", 1}}});
    db.CreateUnitTable("Risk Units", {{{"per Bq", 1}}});
    db.CreateRiskTables();
    for (const char* type : {"dose", "risk"})
        ExpectOneLineFailure(RunViewer({"--database", db.Path(), "--type", type, "--pathway", "external"}), 1);
}

}  // namespace

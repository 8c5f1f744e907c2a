// The command-line viewer on fixture databases: its outputs, its lists, its defaults and
// its exit codes.

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

#include "CoefficientDispatcher.h"
#include "DatabaseSession.h"
#include "FixtureDatabase.h"
#include "FlexGrid.h"
#include "GridText.h"
#include "PrinterSurface.h"
#include "ViewerRun.h"

namespace quorvel::test {
namespace {

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
        for (int k = 1; k <= 15; ++k) db.AddInhalationRiskRecord("Co-60", "Type M", "0.1", RiskRow(k), k);
        const double days[] = {100, 365, 1825, 3650, 5475, 7300};
        for (std::int64_t id = 1; id <= 6; ++id)
            db.AddDose("Fgr13ingGDB", "Co-60", {{1, 1.5e-9 * static_cast<double>(id)}, {2, 2.5e-9}, {25, 3.4e-9}}, id,
                       "f1 = 0.1", days[id - 1]);
        db.AddExternalDoseRecord("F12TIII3", "Co-60", "Co-60, Ground Plane", {{2, 1.1e-16}, {28, 2.2e-16}}, 1);
        db.AddNuclide("104", "Rutherfordium", "Rf-261", "65 s", "E");
        db.AddExternalRiskRecord(
            "Kr-85", "Submersion",
            {"Skin", 1.5e-12, "n/a, see note", FieldValue(), 2e-12, 2.5e-12, 3e-12, 3.5e-12, 4e-12, 4.5e-12, 5e-12}, 1);
    }

    FixtureDatabase db;
};

// CSV is the text export and TSV the clipboard text of the table the dispatcher builds.
TEST_F(CommandLineViewerTest, CsvAndTsvHoldTheTableTheDesktopBuilds) {
    struct Case {
        std::vector<std::string> Arguments;
        CoefficientRequest Request;
    };
    const Case cases[] = {
        {{"--type", "risk", "--unit", "2"}, {"Co-60", {CoefficientType::Risk, Pathway::Ingestion}, 2}},
        {{"--type", "risk", "--pathway", "inhalation"}, {"Co-60", {CoefficientType::Risk, Pathway::Inhalation}}},
        {{"--type", "dose", "--pathway", "external", "--geometry", "ground-plane"},
         {"Co-60", {CoefficientType::Dose, Pathway::External, ExternalGeometry::GroundPlane}}},
    };
    DatabaseSession session(db.Path());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Arguments.back());
        FlexGrid grid;
        NoBusyPointer pointer;
        DispatchCoefficientRequest(session, c.Request, grid, pointer);
        ASSERT_GT(grid.Rows(), 2);
        std::vector<std::string> arguments = {"--database", db.Path(), "--nuclide", "Co-60", "--format", "csv"};
        arguments.insert(arguments.end(), c.Arguments.begin(), c.Arguments.end());
        const ViewerRun csv = RunViewer(arguments);
        EXPECT_EQ(csv.Code, 0) << csv.Err;
        EXPECT_EQ(csv.Out, FormatGridAsCommaSeparatedText(grid));
        arguments[5] = "tsv";
        const ViewerRun tsv = RunViewer(arguments);
        EXPECT_EQ(tsv.Out, FormatBlockAsClipboardText(grid, 0, grid.Rows() - 1, 0, grid.Cols() - 1) + "\n");
    }
}

// Text tables, lists and bad usage, written out in a data file.
TEST_F(CommandLineViewerTest, RunsOfTheDataFile) { ExpectRuns(QUORVEL_CLI_RUNS "/viewer.txt", db.Path()); }

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

// A request opens its database once, its +D values and its chart included.
TEST_F(CommandLineViewerTest, ARequestOpensItsDatabaseOnce) {
    CommandLineBackends backends;
    int charts = 0;
    backends.SaveChart = [&charts](const ChartData& chart, const std::string&, const std::string&) {
        charts += chart.HasValues();
    };
    const long long before = DatabaseOpenings();
    const ViewerRun run =
        RunViewer({"--database", db.Path(), "--nuclide", "Co-60", "--with-progeny", "--chart", "c.png"}, "/nonexistent",
                  backends);
    EXPECT_EQ(run.Code, 0) << run.Err;
    EXPECT_EQ(charts, 1);
    EXPECT_EQ(DatabaseOpenings() - before, 1);
}

TEST_F(CommandLineViewerTest, PdfIsPrintedByTheBackendInLandscapeUnlessPortrait) {
    std::vector<std::string> calls;
    CommandLineBackends backends;
    backends.PrintGridToPdf = [&calls](const FlexGrid& grid, int paperStyle, const std::string& path, UserPrompt&) {
        calls.push_back(std::to_string(paperStyle) + " " + path + " " + FormatGridAsCommaSeparatedText(grid));
        return true;
    };
    const std::vector<std::string> common = {"--database", db.Path(), "--nuclide", "Co-60", "--format"};
    std::vector<std::string> arguments = common;
    arguments.insert(arguments.end(), {"pdf", "--output", "table.pdf"});
    EXPECT_EQ(RunViewer(arguments, "/nonexistent", backends).Out, "");
    arguments.insert(arguments.end(), "--portrait");
    EXPECT_EQ(RunViewer(arguments, "/nonexistent", backends).Code, 0);
    arguments = common;
    arguments.push_back("csv");
    const std::string table = RunViewer(arguments).Out;
    EXPECT_EQ(calls, (std::vector<std::string>{std::to_string(LandscapePaperStyle) + " table.pdf " + table,
                                               std::to_string(PortraitPaperStyle) + " table.pdf " + table}));
}

// ---------------------------------------------------------------------------------------
// Failures

TEST_F(CommandLineViewerTest, MissingCoefficientTableIsNamedInTheMessage) {
    db.Execute("DROP TABLE FGR13INHRBS");
    const ViewerRun result =
        RunViewer({"--database", db.Path(), "--type", "risk", "--nuclide", "Co-60", "--pathway", "inhalation"});
    ExpectOneLineFailure(result, 1);
    EXPECT_NE(result.Err.find("FGR13INHRBS"), std::string::npos) << result.Err;
    EXPECT_NE(result.Err.find("Co-60"), std::string::npos) << result.Err;

    // The other tables still answer.
    EXPECT_EQ(RunViewer({"--database", db.Path(), "--type", "risk", "--nuclide", "H-1", "--format", "csv"}).Out,
              NoneAvailableCsv);
}

TEST_F(CommandLineViewerTest, DatabaseWithoutUnitsForTheRequestExitsWithOne) {
    for (const char* table : {"Dose Units", "Risk Units"}) {
        db.Execute("DROP TABLE \"" + std::string(table) + "\"");
        db.CreateUnitTable(table, {{{"per Bq", 1}}});
    }
    for (const char* type : {"dose", "risk"})
        ExpectOneLineFailure(RunViewer({"--database", db.Path(), "--type", type, "--pathway", "external"}), 1);
}

}  // namespace
}  // namespace quorvel::test

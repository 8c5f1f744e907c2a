// The command-line viewer on fixture databases: its outputs, its lists, its defaults and
// its exit codes.

#include <filesystem>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "FixtureDatabase.h"
#include "GridText.h"
#include "PrinterSurface.h"
#include "TableRequests.h"
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
        db.AddNuclide("36", "Krypton", "Kr-85", "10.76 y", "E");
        db.AddExternalRiskRecord(
            "Kr-85", "Submersion",
            {"Skin", 1.5e-12, "n/a, see note", FieldValue(), 2e-12, 2.5e-12, 3e-12, 3.5e-12, 4e-12, 4.5e-12, 5e-12}, 1);
    }

    FixtureDatabase db;
};

// CSV is the text export and TSV the clipboard text of the table the dispatcher builds;
// JSON has its cells, read back through a JSON parser.
TEST_F(CommandLineViewerTest, CsvTsvAndJsonHoldTheTableTheDesktopBuilds) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--type", "dose"}, "Co-60 dose ingestion -"},
        {{"--type", "risk", "--unit", "2"}, "Co-60 risk ingestion - 2"},
        {{"--type", "risk", "--pathway", "inhalation"}, "Co-60 risk inhalation -"},
        {{"--type", "dose", "--pathway", "external", "--geometry", "ground-plane"}, "Co-60 dose external ground-plane"},
    };
    DatabaseSession session(db.Path());
    for (const auto& [options, request] : cases) {
        SCOPED_TRACE(request);
        FlexGrid grid;
        NoBusyPointer pointer;
        const ShownTable shown = DispatchCoefficientRequest(session, RequestOf(request), grid, pointer);
        ASSERT_GT(grid.Rows(), 2);
        std::vector<std::string> arguments = {"--database", db.Path(), "--nuclide", "Co-60", "--format", "csv"};
        arguments.insert(arguments.end(), options.begin(), options.end());
        const ViewerRun csv = RunViewer(arguments);
        EXPECT_EQ(csv.Code, 0) << csv.Err;
        EXPECT_EQ(csv.Out, FormatGridAsCommaSeparatedText(grid));
        arguments[5] = "tsv";
        EXPECT_EQ(RunViewer(arguments).Out,
                  FormatBlockAsClipboardText(grid, 0, grid.Rows() - 1, 0, grid.Cols() - 1) + "\n");
        arguments[5] = "json";
        const auto json = nlohmann::json::parse(RunViewer(arguments).Out);
        EXPECT_EQ(json["nuclide"], "Co-60");
        EXPECT_EQ(json["table"], shown.Request.Kind.Name());
        ASSERT_EQ(json["rows"].size(), shown.Table.Cells.size());
        for (std::size_t i = 0; i < shown.Table.Cells.size(); ++i) {
            const Coefficient& cell = shown.Table.Cells[i];
            const auto& row = json["rows"][i];
            EXPECT_EQ(row["text"], cell.Text);
            EXPECT_EQ(row["value"].is_null() ? std::nullopt : std::optional(row["value"].get<double>()), cell.Value);
            // A fraction has no unit.
            EXPECT_EQ(row["unit"], cell.Descriptor == "f1" ? "fraction" : shown.Unit.Name);
        }
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

TEST_F(CommandLineViewerTest, PdfIsPrintedByTheBackendInLandscapeUnlessPortraitOnThePaperAsked) {
    std::vector<std::string> calls;
    CommandLineBackends backends;
    backends.PrintGridToPdf = [&calls](const FlexGrid& grid, const PageSetup& setup, const std::string& path,
                                       UserPrompt&) {
        const bool legal = setup.Paper == PaperSize::Legal;
        calls.push_back(std::to_string(setup.PaperStyle) + (setup.Paper ? legal ? " legal " : " other " : " ") + path +
                        " " + FormatGridAsCommaSeparatedText(grid));
        return true;
    };
    const std::vector<std::string> common = {"--database", db.Path(), "--nuclide", "Co-60", "--format"};
    std::vector<std::string> arguments = common;
    arguments.insert(arguments.end(), {"pdf", "--output", "table.pdf"});
    EXPECT_EQ(RunViewer(arguments, "/nonexistent", backends).Out, "");
    arguments.insert(arguments.end(), {"--portrait", "--paper", "LEGAL"});
    EXPECT_EQ(RunViewer(arguments, "/nonexistent", backends).Code, 0);
    arguments = common;
    arguments.push_back("csv");
    const std::string table = RunViewer(arguments).Out;
    EXPECT_EQ(calls, (std::vector<std::string>{std::to_string(LandscapePaperStyle) + " table.pdf " + table,
                                               std::to_string(PortraitPaperStyle) + " legal table.pdf " + table}));
}

// ---------------------------------------------------------------------------------------
// Failures

// A table without the fields its reader takes is named with the nuclide and the cause.
TEST_F(CommandLineViewerTest, AMalformedCoefficientTableIsNamedInTheMessage) {
    db.Execute("DROP TABLE FGR13INHRBS; CREATE TABLE FGR13INHRBS (Nuclide, ID)");
    db.Insert("FGR13INHRBS", {"Co-60", std::int64_t{1}});
    const ViewerRun result =
        RunViewer({"--database", db.Path(), "--type", "risk", "--nuclide", "Co-60", "--pathway", "inhalation"});
    ExpectOneLineFailure(result, 1);
    for (const char* part : {"FGR13INHRBS", "\"Co-60\"", "Form"})
        EXPECT_NE(result.Err.find(part), std::string::npos) << result.Err;

    // The other tables still answer.
    EXPECT_EQ(RunViewer({"--database", db.Path(), "--type", "risk", "--nuclide", "Rf-261", "--format", "csv"}).Out,
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

// The command-line viewer on fixture databases: its outputs, its lists, its defaults and
// its exit codes.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "CommandLineViewer.h"
#include "CoefficientRequest.h"
#include "Database.h"
#include "FixtureDatabase.h"
#include "FlexGrid.h"
#include "GridText.h"
#include "StartUpReaders.h"

namespace {

using quorvel::FieldValue;
using quorvel::FlexGrid;
using quorvel::test::FixtureDatabase;
using quorvel::test::TemporaryFolder;

struct RunResult {
    int Code = -1;
    std::string Out;
    std::string Err;
};

RunResult RunViewer(const std::vector<std::string>& arguments, const std::string& applicationDirectory = "/nonexistent") {
    std::vector<const char*> argv = {"quorvel-cli"};
    for (const auto& argument : arguments) argv.push_back(argument.c_str());
    std::ostringstream out;
    std::ostringstream err;
    RunResult result;
    result.Code = quorvel::RunCommandLineViewer(static_cast<int>(argv.size()), argv.data(), applicationDirectory, out, err);
    result.Out = out.str();
    result.Err = err.str();
    return result;
}

std::string ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// A failure message is one line on standard error and nothing on standard output.
void ExpectOneLineFailure(const RunResult& result, int code) {
    EXPECT_EQ(result.Code, code);
    EXPECT_EQ(result.Out, "");
    ASSERT_FALSE(result.Err.empty());
    EXPECT_EQ(result.Err.back(), '\n');
    EXPECT_EQ(result.Err.find('\n'), result.Err.size() - 1) << result.Err;
}

// Displayed values of record k: the site "Site k" and ten coefficients k.0 to k.9 times 10^-12.
std::vector<FieldValue> RiskRow(int k) {
    std::vector<FieldValue> row{FieldValue("Site " + std::to_string(k))};
    for (int j = 0; j < 10; ++j) row.emplace_back((k + 0.1 * j) * 1e-12);
    return row;
}

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
            quorvel::test::DoseRecord record;
            record.Nuclide = "Co-60";
            record.Header = "Co-60, Ingestion";
            record.Subtitle = "f1 = 0.1";
            record.Age = age;
            record.Coefficients = {{1, 1.5e-9 * id}, {2, 2.5e-9}, {25, 3.4e-9}};
            record.Id = id;
            db.AddDoseRecord("Fgr13ingGDB", record);
            record.Header = "Co-60, Inhalation";
            record.Subtitle = "Type M, f1 = 0.1";
            db.AddDoseRecord("Fgr13inhHDB", record);
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
        quorvel::DispatchCoefficientRequest(db.Path(), "Co-60", grid, c.Type, c.Pathway, c.Geometry, c.UnitFactor,
                                            c.UnitName, ages, 1, pointer);
        return grid;
    }
    std::vector<std::string> Arguments(const std::string& format) {
        std::vector<std::string> arguments = {"--database", db.Path(), "--nuclide", "Co-60", "--format", format};
        arguments.insert(arguments.end(), GetParam().Arguments.begin(), GetParam().Arguments.end());
        return arguments;
    }
};

TEST_P(CommandLineOutputTest, CsvIsTheTextExportOfTheSameTable) {
    const FlexGrid grid = DirectGrid();
    ASSERT_GT(grid.Rows(), 2);
    const RunResult result = RunViewer(Arguments("csv"));
    EXPECT_EQ(result.Code, 0) << result.Err;
    EXPECT_EQ(result.Err, "");
    EXPECT_EQ(result.Out, quorvel::FormatGridAsCommaSeparatedText(grid));
}

TEST_P(CommandLineOutputTest, TsvIsTheClipboardTextOfTheWholeTable) {
    const FlexGrid grid = DirectGrid();
    const RunResult result = RunViewer(Arguments("tsv"));
    EXPECT_EQ(result.Code, 0) << result.Err;
    EXPECT_EQ(result.Out, quorvel::FormatBlockAsClipboardText(grid, 0, grid.Rows() - 1, 0, grid.Cols() - 1) + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Tables, CommandLineOutputTest,
    ::testing::Values(
        OutputCase{"RiskIngestion", {"--type", "risk"}, quorvel::RiskCoefficients, quorvel::IngestionPathway, 0, 1, "per Bq"},
        OutputCase{"RiskIngestionSecondUnit", {"--type", "risk", "--unit", "2"}, quorvel::RiskCoefficients, quorvel::IngestionPathway, 0,
                   0.037, "per pCi"},
        OutputCase{"RiskInhalation", {"--type", "risk", "--pathway", "inhalation"}, quorvel::RiskCoefficients,
                   quorvel::InhalationPathway, 0, 1, "per Bq"},
        OutputCase{"RiskExternalSubmersion", {"--type", "risk", "--pathway", "external"}, quorvel::RiskCoefficients,
                   quorvel::ExternalPathway, 0, 1, "per Bq s/m3"},
        OutputCase{"RiskExternalSoilVolume", {"--type", "risk", "--pathway", "external", "--geometry", "soil-volume"},
                   quorvel::RiskCoefficients, quorvel::ExternalPathway, 2, 1, "per Bq s/m3"},
        OutputCase{"DoseIngestionSecondUnit", {"--type", "dose", "--unit", "2"}, quorvel::DoseCoefficients,
                   quorvel::IngestionPathway, 0, 1000, "mSv/Bq"},
        OutputCase{"DoseInhalation", {"--type", "dose", "--pathway", "inhalation"}, quorvel::DoseCoefficients,
                   quorvel::InhalationPathway, 0, 1, "Sv/Bq"},
        OutputCase{"DoseExternalGroundPlane", {"--type", "dose", "--pathway", "external", "--geometry", "ground-plane"},
                   quorvel::DoseCoefficients, quorvel::ExternalPathway, 1, 1, "Sv m2/(Bq s)"}),
    [](const ::testing::TestParamInfo<OutputCase>& info) { return std::string(info.param.Name); });

class SmallTableTest : public ::testing::Test {
protected:
    SmallTableTest() {
        db.CreateStartUpTables();
        db.AddExternalRiskRecord("Kr-85", "Submersion",
                                 {"Skin", 1.5e-12, "n/a, see note", FieldValue(), 2e-12, 2.5e-12, 3e-12, 3.5e-12, 4e-12,
                                  4.5e-12, 5e-12},
                                 1);
    }
    RunResult Run(const std::string& format) {
        return RunViewer({"--database", db.Path(), "--type", "risk", "--nuclide", "Kr-85", "--pathway", "external", "--format", format});
    }
    FixtureDatabase db;
};

std::string Repeat(const std::string& line, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += line;
    return text;
}

TEST_F(SmallTableTest, CsvQuotesColumnZeroAndCellsWithCommas) {
    const RunResult result = Run("csv");
    EXPECT_EQ(result.Code, 0) << result.Err;
    EXPECT_EQ(result.Out,
              "\"Submersion Risk Coefficients\",,,,,,,,,,,\r\n"
              "\"Kr-85\",,,,,,,,,,,\r\n"
              "\"Units = per Bq s/m3\",,,Mortality,,,,,Morbidity,,,\r\n"
              "\"Cancer Site\",Male,Female,Average,Lower,Upper,Male,Female,Average,Lower,Upper,\r\n"
              "\"Skin\",1.50E-12,\"n/a, see note\",,2.00E-12,2.50E-12,3.00E-12,3.50E-12,4.00E-12,4.50E-12,5.00E-12,\r\n" +
                  Repeat("\"\",,,,,,,,,,,\r\n", 15));
}

TEST_F(SmallTableTest, TsvJoinsCellsByTabsAndRowsByCarriageReturns) {
    const RunResult result = Run("tsv");
    EXPECT_EQ(result.Code, 0) << result.Err;
    const std::string empty = "\t\t\t\t\t\t\t\t\t\t\t";
    EXPECT_EQ(result.Out,
              "Submersion Risk Coefficients" + empty + "\r" +
                  "Kr-85" + empty + "\r" +
                  "Units = per Bq s/m3\t\t\tMortality\t\t\t\t\tMorbidity\t\t\t\r"
                  "Cancer Site\tMale\tFemale\tAverage\tLower\tUpper\tMale\tFemale\tAverage\tLower\tUpper\t\r"
                  "Skin\t1.50E-12\tn/a, see note\t\t2.00E-12\t2.50E-12\t3.00E-12\t3.50E-12\t4.00E-12\t4.50E-12\t5.00E-12\t\r" +
                  Repeat(empty + "\r", 14) + empty + "\n");
}

TEST_F(SmallTableTest, TextAlignsColumnsToTheirWidestCell) {
    const RunResult result = Run("text");
    EXPECT_EQ(result.Code, 0) << result.Err;
    EXPECT_EQ(result.Out,
              "Submersion Risk Coefficients\n"
              "Kr-85\n"
              "Units = per Bq s/m3                                    Mortality                                          Morbidity\n"
              "Cancer Site                   Male      Female         Average    Lower     Upper     Male      Female    Average    Lower     Upper\n"
              "Skin                          1.50E-12  n/a, see note             2.00E-12  2.50E-12  3.00E-12  3.50E-12  4.00E-12   4.50E-12  5.00E-12\n" +
                  std::string(15, '\n'));
}

TEST_F(SmallTableTest, TextIsTheDefaultFormat) {
    const RunResult text = Run("text");
    const RunResult standard = RunViewer({"--database", db.Path(), "--type", "risk", "--nuclide", "Kr-85", "--pathway", "external"});
    EXPECT_EQ(standard.Code, 0);
    EXPECT_EQ(standard.Out, text.Out);
}

TEST_F(CommandLineViewerTest, UnknownNuclideShowsNoneAvailable) {
    for (const char* format : {"csv", "text"}) {
        const RunResult result = RunViewer({"--database", db.Path(), "--nuclide", "Zz-999", "--format", format});
        EXPECT_EQ(result.Code, 0) << result.Err;
        EXPECT_EQ(result.Err, "");
        EXPECT_EQ(result.Out, std::string(format) == "csv" ? NoneAvailableCsv : "\n(None Available)\n");
    }
}

class HostileNameTest
    : public CommandLineViewerTest,
      public ::testing::WithParamInterface<std::tuple<std::string, std::string, std::string>> {};

TEST_P(HostileNameTest, NameWithQuotesOrSqlFindsNothingAndChangesNothing) {
    const auto& [name, type, pathway] = GetParam();
    const std::string before = ReadBytes(db.Path());
    ASSERT_FALSE(before.empty());
    const RunResult result =
        RunViewer({"--database", db.Path(), "--type", type, "--nuclide", name, "--pathway", pathway, "--format", "csv"});
    EXPECT_EQ(result.Code, 0) << result.Err;
    EXPECT_EQ(result.Err, "");
    if (type == "risk")
        EXPECT_EQ(result.Out, NoneAvailableCsv);
    else
        EXPECT_NE(result.Out.find("\"(None Available)\""), std::string::npos) << result.Out;
    EXPECT_EQ(result.Out.find("Co-60"), std::string::npos) << result.Out;
    EXPECT_EQ(ReadBytes(db.Path()), before);

    const RunResult afterwards =
        RunViewer({"--database", db.Path(), "--type", type, "--nuclide", "Co-60", "--pathway", pathway, "--format", "csv"});
    EXPECT_EQ(afterwards.Code, 0) << afterwards.Err;
    EXPECT_NE(afterwards.Out.find("Co-60"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Names, HostileNameTest,
    ::testing::Combine(::testing::Values("Co-60' OR '1'='1", "x'); DROP TABLE FGR13INGRBS; --",
                                         "x'); DROP TABLE Fgr13ingGDB; DROP TABLE F12TIII1; --", "\"Co-60\"",
                                         "Co-60'--", "'"),
                       ::testing::Values("risk", "dose"), ::testing::Values("ingestion", "inhalation", "external")));

// ---------------------------------------------------------------------------------------
// Lists and defaults

TEST_F(CommandLineViewerTest, ListNuclidesPrintsOneEntryALineInStoredOrder) {
    db.AddNuclide("104", "Rutherfordium", "Rf-261", "65 s", "E");
    const RunResult result = RunViewer({"--database", db.Path(), "--list-nuclides"});
    EXPECT_EQ(result.Code, 0) << result.Err;
    EXPECT_EQ(result.Out,
              "  1   Hydrogen        H-3         12.35 y      I/E \n"
              " 27   Cobalt          Co-60       5.271 y      I/E \n"
              " 55   Cesium          Cs-137      30.0 y       I/E \n"
              "104   Rutherfordium   Rf-261      65 s         E   \n");
}

TEST_F(CommandLineViewerTest, ListUnitsPrintsTheUnitsOfTheChosenCategory) {
    struct Case {
        std::vector<std::string> Arguments;
        const char* Expected;
    };
    const std::vector<Case> cases = {
        {{"--type", "risk"}, "1  per Bq\n2  per pCi\n"},
        {{"--type", "dose"}, "1  Sv/Bq\n2  mSv/Bq\n3  rem/Ci\n"},
        {{"--type", "dose", "--pathway", "inhalation"}, "1  Sv/Bq\n2  mSv/Bq\n3  rem/Ci\n"},
        {{"--type", "dose", "--pathway", "external"}, "1  Sv m3/(Bq s)\n2  mSv/h per Bq/m3\n"},
        {{"--type", "dose", "--pathway", "external", "--geometry", "ground-plane"}, "1  Sv m2/(Bq s)\n"},
        {{"--type", "dose", "--pathway", "external", "--geometry", "soil-volume"}, "1  Sv m3/(Bq s)\n2  mSv/h per Bq/kg\n"},
        {{"--type", "risk", "--pathway", "external", "--geometry", "ground-plane"}, "1  per Bq s/m2\n"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> arguments = {"--database", db.Path(), "--list-units"};
        arguments.insert(arguments.end(), c.Arguments.begin(), c.Arguments.end());
        const RunResult result = RunViewer(arguments);
        EXPECT_EQ(result.Code, 0) << result.Err;
        EXPECT_EQ(result.Out, c.Expected);
    }
}

TEST_F(CommandLineViewerTest, DefaultsToTheFirstNuclideOfTheList) {
    // H-3 stands first in the list although Co-60 comes first by name.
    const RunResult result = RunViewer({"--database", db.Path(), "--type", "risk", "--format", "csv"});
    EXPECT_EQ(result.Code, 0) << result.Err;
    EXPECT_EQ(result.Out.substr(0, 60), "\"Ingestion Risk Coefficients\",,,,,,,,,,,\r\n\"H-3\",,,,,,,,,,,\r\n");
}

TEST_F(CommandLineViewerTest, DefaultDatabaseLiesInTheApplicationDirectory) {
    const RunResult found = RunViewer({"--nuclide", "Co-60", "--format", "csv"}, db.Folder().string());
    EXPECT_EQ(found.Code, 0) << found.Err;
    EXPECT_EQ(found.Out, RunViewer({"--database", db.Path(), "--nuclide", "Co-60", "--format", "csv"}).Out);

    TemporaryFolder empty;
    const RunResult missing = RunViewer({"--nuclide", "Co-60"}, empty.Path().string());
    ExpectOneLineFailure(missing, 1);
    EXPECT_NE(missing.Err.find("DoseAndRisk.mdb"), std::string::npos) << missing.Err;
    EXPECT_FALSE(std::filesystem::exists(empty.Path() / "DoseAndRisk.mdb"));
}

// ---------------------------------------------------------------------------------------
// Failures

class BadUsageTest : public CommandLineViewerTest, public ::testing::WithParamInterface<std::vector<std::string>> {};

TEST_P(BadUsageTest, ExitsWithTwoAndOneLine) {
    std::vector<std::string> arguments = {"--database", db.Path()};
    arguments.insert(arguments.end(), GetParam().begin(), GetParam().end());
    ExpectOneLineFailure(RunViewer(arguments), 2);
}

INSTANTIATE_TEST_SUITE_P(Arguments, BadUsageTest,
                         ::testing::Values(std::vector<std::string>{"--colour", "blue"},
                                           std::vector<std::string>{"--type", "heat"},
                                           std::vector<std::string>{"--pathway", "skin"},
                                           std::vector<std::string>{"--geometry", "sky"},
                                           std::vector<std::string>{"--format", "xml"},
                                           std::vector<std::string>{"--unit", "0"},
                                           std::vector<std::string>{"--unit", "-1"},
                                           std::vector<std::string>{"--unit", "abc"},
                                           std::vector<std::string>{"--type", "risk", "--unit", "3"},
                                           std::vector<std::string>{"--type", "dose", "--unit", "4"},
                                           std::vector<std::string>{"--type", "risk", "--pathway", "external", "--geometry",
                                                                    "ground-plane", "--unit", "2"},
                                           std::vector<std::string>{"--list-nuclides", "--list-units"},
                                           std::vector<std::string>{"stray"}));

TEST(CommandLineDatabaseErrorTest, MissingDatabaseExitsWithOneAndIsNotCreated) {
    TemporaryFolder folder;
    const std::string path = (folder.Path() / "absent.mdb").string();
    const RunResult result = RunViewer({"--database", path});
    ExpectOneLineFailure(result, 1);
    EXPECT_NE(result.Err.find("absent.mdb"), std::string::npos) << result.Err;
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(CommandLineDatabaseErrorTest, DamagedFileExitsWithOne) {
    TemporaryFolder folder;
    const std::string path = (folder.Path() / "damaged.mdb").string();
    {
        std::mt19937 random(20240611);
        std::ofstream file(path, std::ios::binary);
        for (int i = 0; i < 8192; ++i) file.put(static_cast<char>(random() & 0xFF));
    }
    const std::string before = ReadBytes(path);
    for (const char* option : {"--list-nuclides", "--list-units", "--format"}) {
        std::vector<std::string> arguments = {"--database", path, option};
        if (std::string(option) == "--format") arguments.emplace_back("csv");
        ExpectOneLineFailure(RunViewer(arguments), 1);
    }
    EXPECT_EQ(ReadBytes(path), before);
}

TEST(CommandLineDatabaseErrorTest, DatabaseWithoutTheTablesExitsWithOne) {
    FixtureDatabase db;
    db.Execute("CREATE TABLE Unrelated (x)");
    ExpectOneLineFailure(RunViewer({"--database", db.Path()}), 1);
    ExpectOneLineFailure(RunViewer({"--database", db.Path(), "--list-nuclides"}), 1);
}

TEST(CommandLineDatabaseErrorTest, MissingCoefficientTableIsNamedInTheMessage) {
    FixtureDatabase db;
    db.CreateStartUpTables();
    db.Execute("DROP TABLE FGR13INHRBS");
    const RunResult result = RunViewer({"--database", db.Path(), "--type", "risk", "--nuclide", "Co-60", "--pathway", "inhalation"});
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

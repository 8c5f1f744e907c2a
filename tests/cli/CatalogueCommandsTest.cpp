// The rank, compare, dump and limit subcommands on a fixture database (and the runs of
// intake and limit on the shipped one): their formats read back (JSON with nlohmann) and their answers to bad input.
// The workbook itself is the spreadsheet export's test.

#include <gtest/gtest.h>
#include <map>
#include <nlohmann/json.hpp>

#include "CoefficientCatalogue.h"
#include "DatabaseSession.h"
#include "FixtureDatabase.h"
#include "ScientificFormat.h"
#include "ViewerRun.h"

namespace quorvel::test {
namespace {

class CatalogueCommandsTest : public ::testing::Test {
protected:
    CatalogueCommandsTest() {
        db.CreateStartUpTables();
        // Co-60 scaled by 2, H-3 by 1, Cs-137 by 3: the rank order is Cs-137, Co-60, H-3.
        const std::vector<std::pair<std::string, int>> nuclides = {{"Co-60", 2}, {"H-3", 1}, {"Cs-137", 3}};
        std::int64_t id = 0;
        for (const auto& [nuclide, scale] : nuclides)
            for (int k = 1; k <= 15; ++k)
                db.AddIngestionRiskRecord(nuclide, "Water", FieldValue("Oxide, \"fine\""), "0.1", RiskRow(k * scale),
                                          ++id);
        for (const auto& [nuclide, scale] : nuclides)
            db.AddDose("Fgr13ingGDB", nuclide, {{1, 0.1}, {2, 2.5e-9 * scale}, {25, 3.4e-9 * scale}}, ++id, "f1 = 0.1");
        units = DatabaseSession(db.Path()).Units();
    }

    ViewerRun Run(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin() + 1, {"--database", db.Path()});
        return RunViewer(arguments);
    }

    FixtureDatabase db;
    UnitTables units;
};

TEST_F(CatalogueCommandsTest, RankJsonReadsBackAsTheValuesInTheChosenUnitHighestFirst) {
    const auto result = Run({"rank", "--type", "risk", "--descriptor", "site 6", "--age", "female", "--outcome",
                             "morbidity", "--unit", "2", "--format", "json"});
    ASSERT_EQ(result.Code, 0) << result.Err;
    const auto json = nlohmann::json::parse(result.Out);
    const double factor = units.RiskUnits.Factors[1][2];
    EXPECT_EQ(json["unit"], units.RiskUnits.Labels[1][2]);
    // Every nuclide has a site 6, its records scaled so (Co-60 k = 3, H-3 k = 6, Cs-137 k = 2).
    ASSERT_EQ(json["rows"].size(), 3u);
    for (const auto& row : json["rows"]) {
        // "Female" is the second column of each outcome: j = 1 of morbidity's five.
        const double expected = (6 + 0.1 * 6) * 1e-12 * factor;
        EXPECT_DOUBLE_EQ(row["value"].get<double>(), expected);
        EXPECT_EQ(row["text"], FormatScientific(expected));
        EXPECT_EQ(row["form"], "Oxide, \"fine\"");
        EXPECT_EQ(row["source"], "") << "the fixture records no source";
    }
}

TEST_F(CatalogueCommandsTest, RankOrdersFiltersAndCutsAndCsvQuotesAsSpreadsheetsRead) {
    const auto top = Run({"rank", "--format", "json", "--top", "2"});
    ASSERT_EQ(top.Code, 0) << top.Err;
    const auto rows = nlohmann::json::parse(top.Out)["rows"];
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0]["nuclide"], "Cs-137");
    EXPECT_EQ(rows[1]["nuclide"], "Co-60");
    EXPECT_DOUBLE_EQ(rows[0]["value"].get<double>(), 3.4e-9 * 3);

    const auto csv = Run({"rank", "--type", "risk", "--descriptor", "site 6", "--format", "csv", "--element", "co"});
    ASSERT_EQ(csv.Code, 0) << csv.Err;
    EXPECT_NE(csv.Out.find(",Co-60,"), std::string::npos);
    EXPECT_NE(csv.Out.find(",\"Oxide, \"\"fine\"\"\","), std::string::npos) << csv.Out;
    EXPECT_EQ(csv.Out.find("Cs-137"), std::string::npos);
}

TEST_F(CatalogueCommandsTest, CompareOfTwoGivesEveryRowAndTheirRatio) {
    const auto result = Run({"compare", "--nuclide", "co-60", "--nuclide", "H-3", "--format", "json"});
    ASSERT_EQ(result.Code, 0) << result.Err;
    const auto json = nlohmann::json::parse(result.Out);
    EXPECT_EQ(json["unit"], units.DoseUnits.Labels[1][1]);
    EXPECT_EQ(json["rows"].size(), 2 * json["ratios"].size());
    for (const auto& row : json["rows"])
        EXPECT_EQ(row["unit"], row["descriptor"] == "f1" ? "fraction" : units.DoseUnits.Labels[1][1]);
    std::vector<double> effective;
    for (const auto& ratio : json["ratios"])
        if (ratio["descriptor"] == "Effective") effective.push_back(ratio["ratio"].get<double>());
    EXPECT_EQ(effective, std::vector<double>{2.0});
    EXPECT_EQ(json["ratio_of"], "Co-60 / H-3") << "the ratio says which is divided by which";
}

TEST_F(CatalogueCommandsTest, DumpHasEveryCellWithItsTableUnitAndNumber) {
    const auto result = Run({"dump", "--format", "json"});
    ASSERT_EQ(result.Code, 0) << result.Err;
    const auto rows = nlohmann::json::parse(result.Out)["rows"];
    // 3 dose blocks x 25 coefficients, 45 risk records x 10 values.
    EXPECT_EQ(rows.size(), 3u * 25 + 45 * 10);
    int found = 0;
    for (const auto& row : rows) {
        for (const char* key : {"nuclide", "form", "table", "geometry", "age", "intake", "descriptor", "outcome",
                                "value", "text", "unit", "source"})
            ASSERT_TRUE(row.contains(key)) << key;
        if (row["descriptor"] == "f1") {
            EXPECT_EQ(row["unit"], "fraction") << "a fraction has no unit";
        }
        if (row["nuclide"] == "Cs-137" && row["table"] == "ingestion dose" && row["descriptor"] == "Effective") {
            ++found;
            EXPECT_DOUBLE_EQ(row["value"].get<double>(), 3 * 3.4e-9);
            EXPECT_EQ(row["unit"], units.DoseUnits.Labels[1][1]);
            EXPECT_EQ(row["age"], "Adult");
        }
    }
    EXPECT_EQ(found, 1);
}

// Every nuclide's limit is the target over its coefficient in the catalogue's cells, the
// target and the limit in units other than the tables' (100 mrem = 1E-3 Sv, 1 uCi = 3.7E4 Bq);
// all of them, most restrictive first, each with its coefficient.
TEST_F(CatalogueCommandsTest, LimitsAreTheTargetOverEveryCoefficientMostRestrictiveFirst) {
    std::map<std::string, double> coefficients;
    {
        DatabaseSession session(db.Path());
        CoefficientCatalogue catalogue(session);
        ScanSelection adultEffective;
        adultEffective.Age = "Adult";
        adultEffective.Descriptor = "Effective";
        for (const Coefficient& cell : catalogue.Cells(TableKind{}, 1, adultEffective))
            coefficients[cell.Nuclide] = *cell.Value;
    }
    const auto result = Run({"limit", "--dose", "100 mrem", "--activity-unit", "uCi", "--format", "json"});
    ASSERT_EQ(result.Code, 0) << result.Err;
    const auto rows = nlohmann::json::parse(result.Out)["rows"];
    ASSERT_EQ(rows.size(), coefficients.size());
    double last = 0;
    for (const auto& row : rows) {
        const double coefficient = coefficients.at(row["nuclide"]);
        EXPECT_DOUBLE_EQ(row["coefficient"].get<double>(), coefficient);
        EXPECT_DOUBLE_EQ(row["limit"].get<double>(), 1e-3 / coefficient / 3.7e4);
        EXPECT_EQ(row["limit_unit"], "uCi");
        EXPECT_EQ(row["coefficient_unit"], units.DoseUnits.Labels[1][1]);
        EXPECT_GE(row["limit"].get<double>(), last);
        last = row["limit"].get<double>();
    }
}

const std::string ApplicationDirectory = QUORVEL_APPLICATION_DIRECTORY;

// The decay chain as JSON, read back: Cs-137's daughter Ba-137m with its fractions as numbers.
TEST_F(CatalogueCommandsTest, ChainJsonHasEveryMemberWithItsFractions) {
    const auto result = RunViewer({"chain", "--nuclide", "cs-137", "--format", "json"}, ApplicationDirectory);
    ASSERT_EQ(result.Code, 0) << result.Err;
    const auto json = nlohmann::json::parse(result.Out);
    EXPECT_EQ(json["chain_of"], "Cs-137");
    ASSERT_EQ(json["rows"].size(), 2u);
    const auto& daughter = json["rows"][1];
    EXPECT_EQ(daughter["nuclide"], "Ba-137m");
    EXPECT_EQ(daughter["parent"], "Cs-137");
    EXPECT_NEAR(daughter["branching_fraction"].get<double>(), 0.946, 0.002);
    EXPECT_EQ(daughter["cumulative_fraction"], daughter["branching_fraction"]);
}

// Runs without --database (intake's) read the shipped database.
TEST_F(CatalogueCommandsTest, RunsOfTheDataFile) {
    ExpectRuns(QUORVEL_CLI_RUNS "/catalogue-commands.txt", db.Path(), {}, ApplicationDirectory);
}

}  // namespace
}  // namespace quorvel::test

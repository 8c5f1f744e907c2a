// quorvel-cli intake on the shipped database: a mixture of five nuclides over the three
// pathways, read back from its JSON; bad rows named on standard error.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "FixtureDatabase.h"
#include "ViewerRun.h"

namespace quorvel {
namespace {

const std::string ApplicationDirectory = QUORVEL_APPLICATION_DIRECTORY;

TEST(IntakeCommand, AMixtureFileOverThreePathwaysInJson) {
    test::TemporaryFolder folder;
    const auto mixture = folder.Path() / "mixture.csv";
    std::ofstream(mixture) << "pathway,nuclide,amount,unit,age,time,time_unit\n"
                              "ingestion,Cs-137,1E4,Bq,Adult,,\n"
                              "ingestion,Sr-90,1,kBq,,,\n"
                              "inhalation,Pu-239,10,Bq,Adult,,\n"
                              "ground-plane,Co-60,1,Bq/m2,,1,y\n"
                              "submersion,Kr-85,1,kBq/m3,,1,h\n";
    const auto run = test::RunViewer({"intake", "--mixture", mixture.string(), "--format", "json"}, ApplicationDirectory);
    ASSERT_EQ(run.Code, 2) << "kBq/m3 is no submersion unit";
    EXPECT_NE(run.Err.find("row 5"), std::string::npos) << run.Err;
    const auto document = nlohmann::json::parse(run.Out);
    const auto& rows = document.at("rows");
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_DOUBLE_EQ(rows[0].at("effective_dose_Sv").get<double>(), 1e4 * 1.356e-8);
    EXPECT_DOUBLE_EQ(rows[0].at("mortality_risk").get<double>(), 1e4 * 5.66e-10);
    EXPECT_FALSE(rows[2].contains("mortality_risk")) << "no inhalation risks in this database";
    EXPECT_TRUE(rows[4].contains("error"));
    double total = 0, shares = 0;
    for (const auto& row : rows)
        if (row.contains("effective_dose_Sv")) {
            total += row.at("effective_dose_Sv").get<double>();
            shares += row.at("share").get<double>();
        }
    EXPECT_DOUBLE_EQ(document.at("total_effective_dose_Sv").get<double>(), total);
    EXPECT_NEAR(shares, 1.0, 1e-12);
}

TEST(IntakeCommand, RowsOnTheCommandLineAndBadInput) {
    const auto good = test::RunViewer({"intake", "--row", "Cs-137,ingestion,,,Adult,1E4,Bq"}, ApplicationDirectory);
    EXPECT_EQ(good.Code, 0) << good.Err;
    EXPECT_NE(good.Out.find("1.36E-04 Sv = 0.136 mSv"), std::string::npos) << good.Out;

    test::ExpectOneLineFailure(test::RunViewer({"intake"}, ApplicationDirectory), 2);
    test::ExpectOneLineFailure(test::RunViewer({"intake", "--mixture", "/nonexistent/mixture.csv"}, ApplicationDirectory), 2);
    test::ExpectOneLineFailure(test::RunViewer({"intake", "--row", "Cs-137,ingestion,,,Adult,1,Bq,,,extra"}), 2);
    // No database where the program lies.
    test::ExpectOneLineFailure(test::RunViewer({"intake", "--row", "Cs-137,ingestion,,,Adult,1,Bq"}), 1);
}

}  // namespace
}  // namespace quorvel

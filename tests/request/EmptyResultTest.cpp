#include <gtest/gtest.h>

#include "EmptyResult.h"
#include "FixtureDatabase.h"

namespace quorvel {
namespace {

// The three reasons a table comes out empty are told apart, per table and geometry.
TEST(EmptyResult, NamesTheMissingNuclideTheEmptyTableOrTheMissingRecords) {
    test::FixtureDatabase fixture;
    fixture.CreateStartUpTables();
    std::vector<FieldValue> risks(11, FieldValue(1e-10));
    risks[0] = "Total";
    fixture.AddExternalRiskRecord("Co-60", "Ground Plane", risks, 1);
    fixture.AddDose("Fgr13ingGDB", "Co-60", {}, 0);
    auto database = OpenDatabase(fixture.Path());

    const auto explain = [&](CoefficientRequest request, bool listed) {
        return ExplainEmptyResult(*database, request, listed);
    };
    EXPECT_EQ(explain({"Xx-1", RiskCoefficients, IngestionPathway}, false),
              "No nuclide \"Xx-1\" in the list of this database.");
    EXPECT_EQ(explain({"Co-60", RiskCoefficients, InhalationPathway}, true),
              "This database holds no inhalation risk coefficients at all.");
    // Ground plane risks exist, submersion risks do not.
    EXPECT_EQ(explain({"Co-60", RiskCoefficients, ExternalPathway, SubmersionGeometry}, true),
              "This database holds no external (Submersion) risk coefficients at all.");
    EXPECT_EQ(explain({"Cs-137", RiskCoefficients, ExternalPathway, GroundPlaneGeometry}, true),
              "This database holds no external (Ground Plane) risk coefficients of Cs-137.");
    EXPECT_EQ(explain({"Cs-137", DoseCoefficients, IngestionPathway}, true),
              "This database holds no ingestion dose coefficients of Cs-137.");
}

}  // namespace
}  // namespace quorvel

// The dispatcher's refusals, errors and busy pointer, and why a table comes out empty.

#include <gtest/gtest.h>

#include "CoefficientDispatcher.h"
#include "EmptyResult.h"
#include "FixtureDatabase.h"
#include "Recorders.h"

namespace quorvel {
namespace {

using test::FixtureDatabase;

class Dispatcher : public ::testing::Test {
protected:
    Dispatcher() {
        fixture.CreateStartUpTables();
        for (const char* table : {"Fgr13ingGDB", "Fgr13inhHDB"}) fixture.AddDose(table, "Co-60", {{2, 1e-9}}, 0);
        for (const char* table : {"F12TIII1", "F12TIII3", "F12TIII7"})
            fixture.AddExternalDoseRecord(table, "Co-60", table, {{2, 1e-15}}, 1);
        const std::vector<FieldValue> risks(11, FieldValue(1e-10));
        fixture.AddIngestionRiskRecord("Co-60", "Food", FieldValue(), 0.1, risks, 1);
        fixture.AddInhalationRiskRecord("Co-60", "Type M", 0.1, risks, 1);
        fixture.AddExternalRiskRecord("Co-60", "Ground Plane", risks, 1);
    }

    FlexGrid Request(const std::string& nuclide, int type, int pathway, int geometry) {
        FlexGrid grid;
        DispatchCoefficientRequest(fixture.Path(), {nuclide, type, pathway, geometry, 1}, grid, {1, "unit"}, ages, 1,
                                   pointer);
        return grid;
    }

    // The message of the RequestError a request for Co-60 ends with.
    std::string FailureOf(int type, int pathway, int geometry) {
        try {
            Request("Co-60", type, pathway, geometry);
        } catch (const RequestError& e) {
            return e.what();
        }
        ADD_FAILURE() << "the request did not fail";
        return {};
    }

    FixtureDatabase fixture;
    AgeGroups ages{{"Adult"}, {7300}};
    test::RecordingBusyPointer pointer;
};

TEST_F(Dispatcher, TheBusyPointerIsRestoredAfterSuccessAndFailure) {
    Request("Co-60", DoseCoefficients, IngestionPathway, 0);
    EXPECT_EQ(pointer.Events, "busy normal ");

    pointer.Events.clear();
    std::filesystem::remove(fixture.Path());
    const std::string message = FailureOf(DoseCoefficients, ExternalPathway, 1);
    for (const char* part : {"F12TIII3", "Co-60", "DoseAndRisk.mdb"})
        EXPECT_NE(message.find(part), std::string::npos) << message;
    EXPECT_EQ(pointer.Events, "busy normal ");
    EXPECT_FALSE(std::filesystem::exists(fixture.Path())) << "a request never creates the database";
}

TEST_F(Dispatcher, AMalformedTableIsReportedWithTableNuclideAndCause) {
    fixture.Execute("DROP TABLE FGR13INHRBS");
    fixture.Execute("CREATE TABLE FGR13INHRBS (Nuclide, ID)");
    fixture.Insert("FGR13INHRBS", {"Co-60", std::int64_t{1}});
    const std::string message = FailureOf(RiskCoefficients, InhalationPathway, 0);
    for (const char* part : {"FGR13INHRBS", "\"Co-60\"", "Form"})
        EXPECT_NE(message.find(part), std::string::npos) << message;
}

TEST_F(Dispatcher, TheLastUnitOfAListIsTakenAndOnePastItRefused) {
    const UnitTables units = ReadUnitTables(fixture.Path(), "Risk Units", "Dose Units");
    CoefficientRequest request{"Co-60", RiskCoefficients, IngestionPathway, 0, units.RiskUnits.UnitCount(1)};
    EXPECT_EQ(ChooseUnit(units, request).Name, units.RiskUnits.Labels[1].back());
    ++request.UnitPosition;
    EXPECT_THROW(ChooseUnit(units, request), UnitPositionError);
}

TEST_F(Dispatcher, UnknownCodesAreRefusedBeforeTheDatabaseIsOpened) {
    EXPECT_THROW(Request("Co-60", 2, IngestionPathway, 0), RequestError);
    EXPECT_THROW(Request("Co-60", DoseCoefficients, 3, 0), RequestError);
    EXPECT_THROW(Request("Co-60", RiskCoefficients, ExternalPathway, -1), RequestError);
    EXPECT_EQ(pointer.Events, "");
}

// The three reasons a table comes out empty are told apart, per table and geometry.
TEST(EmptyResult, NamesTheMissingNuclideTheEmptyTableOrTheMissingRecords) {
    FixtureDatabase fixture;
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

// The dispatcher's errors and busy pointer, the session it reads through, and why a table
// comes out empty.

#include <gtest/gtest.h>

#include "DatabaseError.h"
#include "EmptyResult.h"
#include "FixtureDatabase.h"
#include "Recorders.h"
#include "TableRequests.h"

namespace quorvel {
namespace {

using test::FixtureDatabase;

class Dispatcher : public ::testing::Test {
protected:
    Dispatcher() {
        fixture.CreateStartUpTables();
        fixture.AddDose("Fgr13ingGDB", "Co-60", {{2, 1e-9}}, 0);
    }

    DatabaseSession& Session() {
        if (!session) session = std::make_unique<DatabaseSession>(fixture.Path());
        return *session;
    }

    FlexGrid Request(const std::string& nuclide, const TableKind& kind) {
        FlexGrid grid;
        DispatchCoefficientRequest(Session(), {nuclide, kind}, grid, pointer);
        return grid;
    }

    // The message of the RequestError a request for Co-60 ends with.
    std::string FailureOf(const TableKind& kind) {
        try {
            Request("Co-60", kind);
        } catch (const RequestError& e) {
            return e.what();
        }
        ADD_FAILURE() << "the request did not fail";
        return {};
    }

    FixtureDatabase fixture;
    std::unique_ptr<DatabaseSession> session;
    test::RecordingBusyPointer pointer;
};

// A session closed for compaction and not opened again (its file gone) fails every request
// clearly, and the busy pointer is restored either way.
TEST_F(Dispatcher, ASessionThatCouldNotBeOpenedAgainFailsEachRequestWithItsCause) {
    Request("Co-60", {CoefficientType::Dose, Pathway::Ingestion});
    EXPECT_EQ(pointer.Events, "busy normal ");

    pointer.Events.clear();
    Session().Close();
    std::filesystem::remove(fixture.Path());
    EXPECT_THROW(Session().Reopen(), DatabaseError);
    const std::string message = FailureOf({CoefficientType::Dose, Pathway::External, ExternalGeometry::GroundPlane});
    for (const char* part : {"F12TIII3", "Co-60", "DoseAndRisk.mdb", "could not be opened again"})
        EXPECT_NE(message.find(part), std::string::npos) << message;
    EXPECT_EQ(pointer.Events, "busy normal ");
    EXPECT_FALSE(std::filesystem::exists(fixture.Path())) << "a request never creates the database";
}

TEST_F(Dispatcher, TheLastUnitOfAListIsTakenAndOnePastItRefused) {
    const UnitTables& units = Session().Units();
    const int count = units.RiskUnits.UnitCount(1);
    EXPECT_EQ(ChooseUnit(units, {CoefficientType::Risk}, count).Name, units.RiskUnits.Labels[1].back());
    EXPECT_THROW(ChooseUnit(units, {CoefficientType::Risk}, count + 1), UnitPositionError);
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

    const auto explain = [&](const std::string& request, bool listed) {
        return ExplainEmptyResult(*database, test::RequestOf(request), listed);
    };
    EXPECT_EQ(explain("Xx-1 risk ingestion -", false), "No nuclide \"Xx-1\" in the list of this database.");
    EXPECT_EQ(explain("Co-60 risk inhalation -", true), "This database holds no inhalation risk coefficients at all.");
    // Ground plane risks exist, submersion risks do not.
    EXPECT_EQ(explain("Co-60 risk external submersion", true),
              "This database holds no external (Submersion) risk coefficients at all.");
    EXPECT_EQ(explain("Cs-137 risk external ground-plane", true),
              "This database holds no external (Ground Plane) risk coefficients of Cs-137.");
    EXPECT_EQ(explain("Cs-137 dose ingestion -", true),
              "This database holds no ingestion dose coefficients of Cs-137.");
}

}  // namespace
}  // namespace quorvel

// The dispatcher's errors and busy pointer, the session it reads through, and why a table
// comes out empty.

#include <gtest/gtest.h>

#include "CoefficientDispatcher.h"
#include "DatabaseError.h"
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

TEST_F(Dispatcher, AMalformedTableIsReportedWithTableNuclideAndCause) {
    fixture.Execute("DROP TABLE FGR13INHRBS");
    fixture.Execute("CREATE TABLE FGR13INHRBS (Nuclide, ID)");
    fixture.Insert("FGR13INHRBS", {"Co-60", std::int64_t{1}});
    const std::string message = FailureOf({CoefficientType::Risk, Pathway::Inhalation});
    for (const char* part : {"FGR13INHRBS", "\"Co-60\"", "Form"})
        EXPECT_NE(message.find(part), std::string::npos) << message;
}

TEST_F(Dispatcher, TheLastUnitOfAListIsTakenAndOnePastItRefused) {
    const UnitTables& units = Session().Units();
    const TableKind kind{CoefficientType::Risk, Pathway::Ingestion};
    const int count = units.RiskUnits.UnitCount(1);
    EXPECT_EQ(ChooseUnit(units, kind, count).Name, units.RiskUnits.Labels[1].back());
    EXPECT_THROW(ChooseUnit(units, kind, count + 1), UnitPositionError);
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

    const auto explain = [&](const std::string& nuclide, const TableKind& kind, bool listed) {
        return ExplainEmptyResult(*database, {nuclide, kind}, listed);
    };
    constexpr CoefficientType risk = CoefficientType::Risk;
    EXPECT_EQ(explain("Xx-1", {risk, Pathway::Ingestion}, false), "No nuclide \"Xx-1\" in the list of this database.");
    EXPECT_EQ(explain("Co-60", {risk, Pathway::Inhalation}, true),
              "This database holds no inhalation risk coefficients at all.");
    // Ground plane risks exist, submersion risks do not.
    EXPECT_EQ(explain("Co-60", {risk, Pathway::External, ExternalGeometry::Submersion}, true),
              "This database holds no external (Submersion) risk coefficients at all.");
    EXPECT_EQ(explain("Cs-137", {risk, Pathway::External, ExternalGeometry::GroundPlane}, true),
              "This database holds no external (Ground Plane) risk coefficients of Cs-137.");
    EXPECT_EQ(explain("Cs-137", {CoefficientType::Dose, Pathway::Ingestion}, true),
              "This database holds no ingestion dose coefficients of Cs-137.");
}

}  // namespace
}  // namespace quorvel

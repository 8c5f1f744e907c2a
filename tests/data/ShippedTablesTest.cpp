// The shipped database read the way the viewer reads it: start-up readers and table builders.
#include <gtest/gtest.h>

#include "BuiltDatabase.h"
#include "CoefficientDispatcher.h"
#include "Database.h"
#include "NuclideList.h"
#include "StartUpReaders.h"

namespace quorvel {
namespace {

std::string ShippedPath() { return data::test::BuiltDatabase::Instance().File().string(); }

struct StartUp {
    AgeGroups Ages;
    std::vector<std::string> Entries;
    UnitTables Units;
};

const StartUp& ShippedStartUp() {
    static const StartUp read = [] {
        StartUp s;
        auto database = OpenDatabase(ShippedPath());
        s.Ages = ReadAgeUnits(*database);
        Recordset nuclides = database->OpenTable("Nuke2");
        s.Entries = ReadNuclideListEntries(nuclides);
        s.Units = ReadUnitTables(ShippedPath(), "Risk Units", "Dose Units");
        return s;
    }();
    return read;
}

FlexGrid Request(const std::string& nuclide, int type, int pathway, int geometry, int unitPosition = 1) {
    const int category = pathway == ExternalPathway ? 2 + geometry : 1;
    const UnitTable& units =
        type == DoseCoefficients ? ShippedStartUp().Units.DoseUnits : ShippedStartUp().Units.RiskUnits;
    FlexGrid grid;
    NoBusyPointer pointer;
    DispatchCoefficientRequest(
        ShippedPath(), {nuclide, type, pathway, geometry, unitPosition}, grid,
        {units.Factors.at(category).at(unitPosition), units.Labels.at(category).at(unitPosition)},
        ShippedStartUp().Ages, 1, pointer);
    return grid;
}

// The text in the column headed `column` (row of the headings given) on the row whose descriptor is `row`.
std::string Cell(const FlexGrid& grid, int headingRow, const std::string& column, const std::string& row) {
    int c = -1;
    for (int j = 0; j < grid.Cols(); ++j)
        if (grid.TextMatrix(headingRow, j) == column) c = j;
    for (int r = headingRow; r < grid.Rows() && c >= 0; ++r)
        if (grid.TextMatrix(r, 0) == row) return grid.TextMatrix(r, c);
    throw std::runtime_error("no cell " + row + " / " + column);
}

TEST(ShippedTables, StartUpReadsAgesUnitsAndEveryNuclideBackFromItsListEntry) {
    EXPECT_EQ(ShippedStartUp().Ages.AgeGroupNames,
              (std::vector<std::string>{"3 Months", "1 Year", "5 Years", "10 Years", "15 Years", "Adult"}));
    EXPECT_EQ(ShippedStartUp().Ages.AgeGroupDays, (std::vector<double>{100, 365, 1825, 3650, 5475, 7300}));
    EXPECT_EQ(ShippedStartUp().Units.DoseUnits.CategoryCount(), 4);
    for (int category = 1; category <= 4; ++category) {
        EXPECT_GE(ShippedStartUp().Units.DoseUnits.UnitCount(category), 2) << category;
        EXPECT_GE(ShippedStartUp().Units.RiskUnits.UnitCount(category), 2) << category;
    }
    const auto names = data::test::BuiltDatabase::Instance().Texts("SELECT Nuclide FROM Nuke2 ORDER BY rowid");
    ASSERT_EQ(names.size(), ShippedStartUp().Entries.size());
    for (std::size_t i = 0; i < names.size(); ++i)
        EXPECT_EQ(EntryNuclide(ShippedStartUp().Entries[i]), names[i].value());
}

TEST(ShippedTables, Fgr12ValuesShowAsPublished) {
    const FlexGrid air = Request("Co-60", DoseCoefficients, ExternalPathway, SubmersionGeometry);
    EXPECT_EQ(air.TextMatrix(0, 0), "Submersion Dose Coefficients");
    EXPECT_EQ(Cell(air, 3, "h_T", "Effective Dose Equivalent (H subE)"), "1.26E-13");
    EXPECT_EQ(Cell(air, 3, "h_T", "Effective Dose (E)"), "1.19E-13");
    EXPECT_EQ(Cell(air, 3, "h_T", "Not Tabulated in FGR-12 (1)"), "") << "not tabulated is not zero";

    // mSv/h per Bq/m3: 1000 mSv per Sv, 3600 s per h.
    const FlexGrid airPerHour = Request("Co-60", DoseCoefficients, ExternalPathway, SubmersionGeometry, 2);
    EXPECT_EQ(Cell(airPerHour, 3, "h_T", "Effective Dose (E)"), "4.28E-07");

    const FlexGrid ground = Request("Co-60", DoseCoefficients, ExternalPathway, GroundPlaneGeometry);
    EXPECT_EQ(Cell(ground, 3, "h_T", "Effective Dose Equivalent (H subE)"), "2.35E-15");
    const FlexGrid soil = Request("Cs-137", DoseCoefficients, ExternalPathway, SoilVolumeGeometry);
    EXPECT_EQ(soil.TextMatrix(0, 0), "Soil Layer Dose Coefficients");
    EXPECT_EQ(Cell(soil, 3, "h_T", "Effective Dose Equivalent (H subE)"), "4.02E-21");
}

TEST(ShippedTables, Fgr13OrganDosesShowWeightedAndConverted) {
    const FlexGrid cs = Request("Cs-137", DoseCoefficients, IngestionPathway, 0);
    EXPECT_EQ(Cell(cs, 5, "Adult", "Effective Dose (e50)"), "1.36E-08");
    // rem/Ci: 100 rem per Sv, 3.7E10 Bq per Ci.
    const FlexGrid csRem = Request("Cs-137", DoseCoefficients, IngestionPathway, 0, 3);
    EXPECT_EQ(csRem.TextMatrix(2, 0), "Units = rem/Ci");
    EXPECT_EQ(Cell(csRem, 5, "Adult", "Effective Dose (e50)"), "5.02E04");

    // Bone surface of Pu-239: 5.505E-10 low LET + 20 x 4.115E-07 Gy/Bq high LET.
    const FlexGrid pu = Request("Pu-239", DoseCoefficients, IngestionPathway, 0);
    EXPECT_EQ(Cell(pu, 5, "Adult", "Bone Surface"), "8.23E-06");
    EXPECT_EQ(Cell(pu, 5, "Adult", "Effective Dose (e50)"), "2.51E-07");

    const FlexGrid sr = Request("Sr-90", DoseCoefficients, IngestionPathway, 0);
    EXPECT_EQ(Cell(sr, 5, "Adult", "Effective Dose (e50)"), "2.77E-08");
}

TEST(ShippedTables, EffectiveOnlyNuclidesShowF1AndEffectiveWithEmptyOrganCells) {
    const FlexGrid cf = Request("Cf-252", DoseCoefficients, IngestionPathway, 0);
    EXPECT_EQ(Cell(cf, 5, "Adult", "Effective Dose (e50)"), "9.00E-08");
    EXPECT_EQ(Cell(cf, 5, "Adult", "f1 (Gut Uptake Fraction)"), "5.00E-04");
    EXPECT_EQ(Cell(cf, 5, "3 Months", "f1 (Gut Uptake Fraction)"), "5.00E-03") << "the infant f1";
    EXPECT_EQ(Cell(cf, 5, "Adult", "Adrenals"), "");
    EXPECT_EQ(Cell(cf, 5, "Adult", "Red Marrow"), "");
}

// The lifetime morbidity of the tap-water total (the last "Lifetime 0-110" heading), per Bq
// and per pCi (0.037 Bq/pCi: EPA's slope factor of 2001 is 3.04E-11 per pCi).
TEST(ShippedTables, IngestionRiskPerBqAndPerPicocurie) {
    const FlexGrid perBq = Request("Cs-137", RiskCoefficients, IngestionPathway, 0);
    EXPECT_EQ(Cell(perBq, 5, "Lifetime 0-110", "Total"), "8.22E-10");
    const FlexGrid perPci = Request("Cs-137", RiskCoefficients, IngestionPathway, 0, 2);
    EXPECT_EQ(perPci.TextMatrix(2, 0), "Units = per pCi");
    EXPECT_EQ(Cell(perPci, 5, "Lifetime 0-110", "Total"), "3.04E-11");
}

TEST(ShippedTables, TheInhalationAndExternalRiskTablesHoldNoInventedValues) {
    for (int pathway : {InhalationPathway, ExternalPathway})
        EXPECT_EQ(Request("Cs-137", RiskCoefficients, pathway, 0).TextMatrix(1, 0), "(None Available)") << pathway;
}

TEST(ShippedTables, EveryNuclideGivesEveryDoseTableWithoutFailing) {
    int tables = 0;
    for (const auto& entry : ShippedStartUp().Entries) {
        const std::string nuclide = EntryNuclide(entry);
        for (int pathway : {IngestionPathway, InhalationPathway})
            tables += Request(nuclide, DoseCoefficients, pathway, 0).TextMatrix(1, 0) != "(None Available)";
        for (int geometry : {SubmersionGeometry, GroundPlaneGeometry, SoilVolumeGeometry})
            tables +=
                Request(nuclide, DoseCoefficients, ExternalPathway, geometry).TextMatrix(1, 0) != "(None Available)";
    }
    EXPECT_GE(tables, 3 * 825 + 2 * 700);
}

}  // namespace
}  // namespace quorvel

// The shipped database read the way the viewer reads it: start-up readers and table builders.
#include "built_database.hpp"

#include <gtest/gtest.h>

#include "CoefficientDispatcher.h"
#include "Database.h"
#include "NuclideList.h"
#include "StartUpReaders.h"

namespace quorvel {
namespace {

std::string shippedPath() { return data::test::BuiltDatabase::instance().file().string(); }

struct StartUp {
    AgeGroups Ages;
    std::vector<std::string> Entries;
    UnitTables Units;
};

const StartUp& startUp()
{
    static const StartUp data = [] {
        StartUp s;
        auto database = OpenDatabase(shippedPath());
        s.Ages = ReadAgeUnits(*database);
        Recordset nuclides = database->OpenTable("Nuke2");
        s.Entries = ReadNuclideListEntries(nuclides);
        s.Units = ReadUnitTables(shippedPath(), "Risk Units", "Dose Units");
        return s;
    }();
    return data;
}

FlexGrid request(const std::string& nuclide, int type, int pathway, int geometry, int unitPosition = 1)
{
    const int category = pathway == ExternalPathway ? 2 + geometry : 1;
    const UnitTable& units = type == DoseCoefficients ? startUp().Units.DoseUnits : startUp().Units.RiskUnits;
    FlexGrid grid;
    NoBusyPointer pointer;
    DispatchCoefficientRequest(shippedPath(), {nuclide, type, pathway, geometry, unitPosition}, grid,
                               {units.Factors.at(category).at(unitPosition), units.Labels.at(category).at(unitPosition)},
                               startUp().Ages, 1, pointer);
    return grid;
}

// The text in the column headed `column` (row of the headings given) on the row whose descriptor is `row`.
std::string cell(const FlexGrid& grid, int headingRow, const std::string& column, const std::string& row)
{
    int c = -1;
    for (int j = 0; j < grid.Cols(); ++j)
        if (grid.TextMatrix(headingRow, j) == column) c = j;
    for (int r = headingRow; r < grid.Rows() && c >= 0; ++r)
        if (grid.TextMatrix(r, 0) == row) return grid.TextMatrix(r, c);
    throw std::runtime_error("no cell " + row + " / " + column);
}

TEST(ShippedTables, StartUpReadsAgesUnitsAndEveryNuclideBackFromItsListEntry)
{
    EXPECT_EQ(startUp().Ages.AgeGroupNames,
              (std::vector<std::string>{"3 Months", "1 Year", "5 Years", "10 Years", "15 Years", "Adult"}));
    EXPECT_EQ(startUp().Ages.AgeGroupDays, (std::vector<double>{100, 365, 1825, 3650, 5475, 7300}));
    EXPECT_EQ(startUp().Units.DoseUnits.CategoryCount(), 4);
    for (int category = 1; category <= 4; ++category) {
        EXPECT_GE(startUp().Units.DoseUnits.UnitCount(category), 2) << category;
        EXPECT_GE(startUp().Units.RiskUnits.UnitCount(category), 2) << category;
    }
    const auto names = data::test::BuiltDatabase::instance().texts("SELECT Nuclide FROM Nuke2 ORDER BY rowid");
    ASSERT_EQ(names.size(), startUp().Entries.size());
    for (std::size_t i = 0; i < names.size(); ++i) EXPECT_EQ(EntryNuclide(startUp().Entries[i]), names[i].value());
}

TEST(ShippedTables, Fgr12ValuesShowAsPublished)
{
    const FlexGrid air = request("Co-60", DoseCoefficients, ExternalPathway, SubmersionGeometry);
    EXPECT_EQ(air.TextMatrix(0, 0), "Submersion Dose Coefficients");
    EXPECT_EQ(cell(air, 3, "h_T", "Effective Dose Equivalent (H subE)"), "1.26E-13");
    EXPECT_EQ(cell(air, 3, "h_T", "Effective Dose (E)"), "1.19E-13");
    EXPECT_EQ(cell(air, 3, "h_T", "Not Tabulated in FGR-12 (1)"), "") << "not tabulated is not zero";

    // mSv/h per Bq/m3: 1000 mSv per Sv, 3600 s per h.
    const FlexGrid airPerHour = request("Co-60", DoseCoefficients, ExternalPathway, SubmersionGeometry, 2);
    EXPECT_EQ(cell(airPerHour, 3, "h_T", "Effective Dose (E)"), "4.28E-07");

    const FlexGrid ground = request("Co-60", DoseCoefficients, ExternalPathway, GroundPlaneGeometry);
    EXPECT_EQ(cell(ground, 3, "h_T", "Effective Dose Equivalent (H subE)"), "2.35E-15");
    const FlexGrid soil = request("Cs-137", DoseCoefficients, ExternalPathway, SoilVolumeGeometry);
    EXPECT_EQ(soil.TextMatrix(0, 0), "Soil Layer Dose Coefficients");
    EXPECT_EQ(cell(soil, 3, "h_T", "Effective Dose Equivalent (H subE)"), "4.02E-21");
}

TEST(ShippedTables, Fgr13OrganDosesShowWeightedAndConverted)
{
    const FlexGrid cs = request("Cs-137", DoseCoefficients, IngestionPathway, 0);
    EXPECT_EQ(cell(cs, 5, "Adult", "Effective Dose (e50)"), "1.36E-08");
    // rem/Ci: 100 rem per Sv, 3.7E10 Bq per Ci.
    const FlexGrid csRem = request("Cs-137", DoseCoefficients, IngestionPathway, 0, 3);
    EXPECT_EQ(csRem.TextMatrix(2, 0), "Units = rem/Ci");
    EXPECT_EQ(cell(csRem, 5, "Adult", "Effective Dose (e50)"), "5.02E04");

    // Bone surface of Pu-239: 5.505E-10 low LET + 20 x 4.115E-07 Gy/Bq high LET.
    const FlexGrid pu = request("Pu-239", DoseCoefficients, IngestionPathway, 0);
    EXPECT_EQ(cell(pu, 5, "Adult", "Bone Surface"), "8.23E-06");
    EXPECT_EQ(cell(pu, 5, "Adult", "Effective Dose (e50)"), "2.51E-07");

    const FlexGrid sr = request("Sr-90", DoseCoefficients, IngestionPathway, 0);
    EXPECT_EQ(cell(sr, 5, "Adult", "Effective Dose (e50)"), "2.77E-08");
}

TEST(ShippedTables, EffectiveOnlyNuclidesShowF1AndEffectiveWithEmptyOrganCells)
{
    const FlexGrid cf = request("Cf-252", DoseCoefficients, IngestionPathway, 0);
    EXPECT_EQ(cell(cf, 5, "Adult", "Effective Dose (e50)"), "9.00E-08");
    EXPECT_EQ(cell(cf, 5, "Adult", "f1 (Gut Uptake Fraction)"), "5.00E-04");
    EXPECT_EQ(cell(cf, 5, "Adult", "Adrenals"), "");
    EXPECT_EQ(cell(cf, 5, "Adult", "Red Marrow"), "");
}

// The lifetime morbidity of the tap-water total (the last "Lifetime 0-110" heading), per Bq
// and per pCi (0.037 Bq/pCi: EPA's slope factor of 2001 is 3.04E-11 per pCi).
TEST(ShippedTables, IngestionRiskPerBqAndPerPicocurie)
{
    const FlexGrid perBq = request("Cs-137", RiskCoefficients, IngestionPathway, 0);
    EXPECT_EQ(cell(perBq, 5, "Lifetime 0-110", "Total"), "8.22E-10");
    const FlexGrid perPci = request("Cs-137", RiskCoefficients, IngestionPathway, 0, 2);
    EXPECT_EQ(perPci.TextMatrix(2, 0), "Units = per pCi");
    EXPECT_EQ(cell(perPci, 5, "Lifetime 0-110", "Total"), "3.04E-11");
}

TEST(ShippedTables, TheInhalationAndExternalRiskTablesHoldNoInventedValues)
{
    for (int pathway : {InhalationPathway, ExternalPathway})
        EXPECT_EQ(request("Cs-137", RiskCoefficients, pathway, 0).TextMatrix(1, 0), "(None Available)") << pathway;
}

TEST(ShippedTables, EveryNuclideGivesEveryDoseTableWithoutFailing)
{
    int tables = 0;
    for (const auto& entry : startUp().Entries) {
        const std::string nuclide = EntryNuclide(entry);
        for (int pathway : {IngestionPathway, InhalationPathway})
            tables += request(nuclide, DoseCoefficients, pathway, 0).TextMatrix(1, 0) != "(None Available)";
        for (int geometry : {SubmersionGeometry, GroundPlaneGeometry, SoilVolumeGeometry})
            tables += request(nuclide, DoseCoefficients, ExternalPathway, geometry).TextMatrix(1, 0) != "(None Available)";
    }
    EXPECT_GE(tables, 3 * 825 + 2 * 700);
}

}  // namespace
}  // namespace quorvel

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "Database.h"
#include "DoseCoefficientReports.h"
#include "FixtureDatabase.h"
#include "GridLayout.h"

namespace quorvel {
namespace {

using test::FixtureDatabase;

// Position p holds p x 1E-15, but for the two fields the table does not tabulate.
std::map<int, FieldValue> OrganValues() {
    std::map<int, FieldValue> values;
    for (int p = 2; p <= 26; ++p) values[p] = p * 1e-15;
    return values;
}

// The grid lines of OrganValues() spelled out: "p.00E-15" below 10, "a.b0E-14" for p = ab.
std::string OrganRows() {
    std::string rows;
    for (int p = 2; p <= 26; ++p) {
        const std::string digits = std::to_string(p);
        const std::string value = p < 10 ? digits + ".00E-15" : digits.substr(0, 1) + "." + digits.substr(1) + "0E-14";
        rows += "Organ " + digits + "|" + value + "|\n";
    }
    return rows;
}

class ExternalDose : public ::testing::Test {
protected:
    ExternalDose() {
        for (const char* table : {"F12TIII1", "F12TIII3", "F12TIII7"}) fixture.CreateExternalDoseTable(table);
    }

    FlexGrid Build(const std::string& nuclide, int geometry, double factor = 1, const std::string& unit = "Sv m3/(Bq s)") {
        auto database = OpenDatabase(fixture.Path());
        FlexGrid grid;
        ReportExternalDoseCoefficients(nuclide, *database, grid, geometry, factor, unit, 1);
        return grid;
    }

    FixtureDatabase fixture;
};

TEST_F(ExternalDose, OneRecordGivesTheAdultTableWithTheColonDose) {
    fixture.AddExternalDoseRecord("F12TIII1", "Co-60", "Co-60  T1/2 = 5.271 y", OrganValues(), 1);
    const FlexGrid grid = Build("Co-60", 0);
    EXPECT_EQ(test::DescribeGrid(grid), R"(*Submersion Dose Coefficients||
*Co-60  T1/2 = 5.271 y||
*Units = Sv m3/(Bq s)|*Adult|
*Description|*h_T|
)" + OrganRows() + R"(Organ 27||
Organ 28||
Colon Dose|1.04E-14|
)");
    EXPECT_EQ(grid.ColWidth(0), 3000);
    EXPECT_EQ(grid.ColAlignment(0), AlignLeftTop);
}

TEST_F(ExternalDose, ColonDoseTakesWhatTheTwoIntestineWallsHold) {
    auto upperOnly = OrganValues();
    upperOnly[11] = FieldValue();
    auto neither = upperOnly;
    neither[10] = FieldValue();
    auto lowerOnly = OrganValues();
    lowerOnly[10] = FieldValue();
    auto zeros = OrganValues();
    zeros[10] = 0.0;
    zeros[11] = 0.0;
    fixture.AddExternalDoseRecord("F12TIII3", "A-1", "A-1", upperOnly, 1);
    fixture.AddExternalDoseRecord("F12TIII3", "B-2", "B-2", neither, 2);
    fixture.AddExternalDoseRecord("F12TIII3", "C-3", "C-3", zeros, 3);
    fixture.AddExternalDoseRecord("F12TIII3", "D-4", "D-4", lowerOnly, 4);
    EXPECT_EQ(Build("A-1", 1, 100).TextMatrix(31, 1), "5.70E-13") << "0.57 x 1E-14 x 100";
    EXPECT_EQ(Build("D-4", 1).TextMatrix(31, 1), "4.73E-15") << "0.43 x 1.1E-14";
    EXPECT_EQ(Build("B-2", 1).TextMatrix(31, 1), "") << "neither wall is tabulated";
    EXPECT_EQ(Build("C-3", 1).TextMatrix(31, 1), "0.00E00") << "stored zeros are a zero dose";
    EXPECT_EQ(Build("A-1", 1).TextMatrix(0, 0), "Ground Plane Dose Coefficients");
}

TEST_F(ExternalDose, EveryValueIncludingTheColonDoseIsConverted) {
    fixture.AddExternalDoseRecord("F12TIII7", "Cs-137", "Cs-137", OrganValues(), 1);
    const FlexGrid grid = Build("Cs-137", 2, 3.6e6, "mSv/h per Bq/m3");
    EXPECT_EQ(grid.TextMatrix(0, 0), "Soil Layer Dose Coefficients");
    EXPECT_EQ(grid.TextMatrix(2, 0), "Units = mSv/h per Bq/m3");
    EXPECT_EQ(grid.TextMatrix(4, 1), "7.20E-09");
    EXPECT_EQ(grid.TextMatrix(31, 1), "3.75E-08") << "1.043E-14 x 3.6E6";
}

TEST_F(ExternalDose, OnlyTheRecordWithTheLowestIdIsShown) {
    auto later = OrganValues();
    later[2] = 9e-15;
    fixture.AddExternalDoseRecord("F12TIII1", "Kr-85", "second", later, 7);
    fixture.AddExternalDoseRecord("F12TIII1", "Kr-85", "first", OrganValues(), 3);
    const FlexGrid grid = Build("Kr-85", 0);
    EXPECT_EQ(grid.TextMatrix(1, 0), "first");
    EXPECT_EQ(grid.TextMatrix(4, 1), "2.00E-15");
    EXPECT_EQ(grid.Rows(), 32);
}

TEST_F(ExternalDose, ANuclideAbsentFromTheGeometrysTableGivesTheEmptyResult) {
    fixture.AddExternalDoseRecord("F12TIII1", "Ar-41", "Ar-41", OrganValues(), 1);
    const FlexGrid grid = Build("Ar-41", 1);
    EXPECT_EQ(test::DescribeGrid(grid), "\n(None Available)\n") << "no extra column";
    EXPECT_THROW(Build("Ar-41", 3), std::exception);
}

}  // namespace
}  // namespace quorvel

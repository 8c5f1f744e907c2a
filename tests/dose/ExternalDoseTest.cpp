// External dose rules beside the whole tables of tests/data/expected: the colon dose and
// which record is shown.

#include <gtest/gtest.h>

#include "Database.h"
#include "DoseCoefficientReports.h"
#include "FixtureDatabase.h"

namespace quorvel {
namespace {

// Field position p holds p x 1E-15; positions 10 and 11 are the two large intestine walls.
std::map<int, FieldValue> OrganValues() {
    std::map<int, FieldValue> values;
    for (int p = 2; p <= 26; ++p) values[p] = p * 1e-15;
    return values;
}

class ExternalDose : public ::testing::Test {
protected:
    ExternalDose() { fixture.CreateExternalDoseTable("F12TIII3"); }

    // The colon dose is the last row.
    FlexGrid Build(const std::string& nuclide, double factor = 1) {
        auto database = OpenDatabase(fixture.Path());
        FlexGrid grid;
        ReportExternalDoseCoefficients(nuclide, *database, grid, 1, factor, "Sv m2/(Bq s)", 1);
        return grid;
    }

    test::FixtureDatabase fixture;
};

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
    const auto colon = [](const FlexGrid& grid) { return grid.TextMatrix(grid.Rows() - 1, 1); };
    EXPECT_EQ(colon(Build("A-1", 100)), "5.70E-13") << "0.57 x 1E-14 x 100";
    EXPECT_EQ(colon(Build("D-4")), "4.73E-15") << "0.43 x 1.1E-14";
    EXPECT_EQ(colon(Build("B-2")), "") << "neither wall is tabulated";
    EXPECT_EQ(colon(Build("C-3")), "0.00E00") << "stored zeros are a zero dose";
}

TEST_F(ExternalDose, OnlyTheRecordWithTheLowestIdIsShown) {
    auto later = OrganValues();
    later[2] = 9e-15;
    fixture.AddExternalDoseRecord("F12TIII3", "Kr-85", "second", later, 7);
    fixture.AddExternalDoseRecord("F12TIII3", "Kr-85", "first", OrganValues(), 3);
    const FlexGrid grid = Build("Kr-85");
    EXPECT_EQ(grid.TextMatrix(1, 0), "first");
    EXPECT_EQ(grid.TextMatrix(4, 1), "2.00E-15");
    EXPECT_EQ(grid.Rows(), 32) << "one record's rows";
}

}  // namespace
}  // namespace quorvel

#include <gtest/gtest.h>

#include "Database.h"
#include "DoseCoefficientReports.h"
#include "FixtureDatabase.h"
#include "GridLayout.h"

namespace quorvel {
namespace {

using test::DoseRecord;
using test::FixtureDatabase;

const AgeGroups SixAges{{"3 Months", "1 Year", "5 Years", "10 Years", "15 Years", "Adult"},
                        {100, 365, 1825, 3650, 5475, 7300}};

DoseRecord TypeBlock(const std::string& type, double age, double value, std::int64_t id) {
    DoseRecord record;
    record.Nuclide = "Cs-137";
    record.Header = "Cs-137  T1/2 = 30.0 y";
    record.Subtitle = "Type " + type;
    record.Age = age;
    record.Id = id;
    record.Coefficients[1] = 0.1;
    for (int i = 2; i <= 25; ++i) record.Coefficients[i] = value;
    return record;
}

class InhalationDose : public ::testing::Test {
protected:
    InhalationDose() { fixture.CreateAgeDependentDoseTable("Fgr13inhHDB"); }

    void Build(const std::string& nuclide, FlexGrid& grid, double factor = 1) {
        auto database = OpenDatabase(fixture.Path());
        ReportInhalationDoseCoefficients(nuclide, grid, *database, factor, "Sv/Bq", SixAges, 1);
    }

    FixtureDatabase fixture;
};

TEST_F(InhalationDose, ANuclideWithoutRecordsKeepsOneColumnPerAge) {
    FlexGrid grid;
    Build("Xx-1", grid);
    EXPECT_EQ(test::DescribeGrid(grid), "||||||\n(None Available)||||||\n");
}

TEST_F(InhalationDose, AbsorptionTypesStackAsBlocksUnderEveryAge) {
    std::int64_t id = 1;
    for (double age : SixAges.AgeGroupDays) {
        fixture.AddDoseRecord("Fgr13inhHDB", TypeBlock("F", age, 1e-9, id++));
        fixture.AddDoseRecord("Fgr13inhHDB", TypeBlock("M", age, 2e-9, id++));
    }
    FlexGrid grid;
    Build("Cs-137", grid, 1000);
    EXPECT_EQ(grid.Rows(), 63);
    EXPECT_EQ(grid.Cols(), 7);
    EXPECT_EQ(grid.TextMatrix(0, 0), "Inhalation Dose Coefficients");
    EXPECT_EQ(grid.TextMatrix(3, 0), "Type F");
    EXPECT_EQ(grid.TextMatrix(35, 0), "Type M");
    EXPECT_EQ(grid.TextMatrix(7, 1), "1.00E-06");
    EXPECT_EQ(grid.TextMatrix(39, 6), "2.00E-06");
}

TEST_F(InhalationDose, AnEarlierLargerTableLeavesNothingBehind) {
    FlexGrid grid(85, 12);
    for (int r = 0; r < 85; ++r)
        for (int c = 0; c < 12; ++c) grid.SetTextMatrix(r, c, "old");
    fixture.AddDoseRecord("Fgr13inhHDB", TypeBlock("F", 100, 1e-9, 1));
    Build("Cs-137", grid);
    EXPECT_EQ(grid.Rows(), 31);
    EXPECT_EQ(grid.Cols(), 7);
    for (int r = 0; r < grid.Rows(); ++r)
        for (int c = 0; c < grid.Cols(); ++c) EXPECT_NE(grid.TextMatrix(r, c), "old") << r << "," << c;
}

}  // namespace
}  // namespace quorvel

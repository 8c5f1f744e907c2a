// The ingestion and inhalation dose tables, which share their builder.

#include <gtest/gtest.h>

#include <utility>

#include "Database.h"
#include "DatabaseError.h"
#include "DoseCoefficientReports.h"
#include "FixtureDatabase.h"
#include "GridLayout.h"
#include "NumberText.h"

namespace quorvel {
namespace {

using test::DescribeGrid;
using test::DoseRecord;
using test::FixtureDatabase;

const AgeGroups TwoAges{{"Infant", "Adult"}, {365, 7300}};
const AgeGroups SixAges{{"3 Months", "1 Year", "5 Years", "10 Years", "15 Years", "Adult"},
                        {100, 365, 1825, 3650, 5475, 7300}};
const AgeGroups AdultOnly{{"Adult"}, {7300}};

// Coefficients 2 to 25 hold scale x coefficient number x 1E-10; coefficient 1 is f1.
DoseRecord Block(const std::string& nuclide, double age, double scale, double f1, std::int64_t id) {
    DoseRecord record;
    record.Nuclide = nuclide;
    record.Header = nuclide + "  T1/2 = 30.0 y";
    record.Subtitle = "f1 = " + FormatGeneralNumber(f1) + (age < 1000 ? " (infant)" : " (adult)");
    record.Age = age;
    record.Id = id;
    record.Coefficients[1] = f1;
    for (int i = 2; i <= 25; ++i) record.Coefficients[i] = scale * i * 1e-10;
    return record;
}

class AgeDependentDose : public ::testing::Test {
protected:
    AgeDependentDose() {
        fixture.CreateAgeDependentDoseTable("Fgr13ingGDB");
        fixture.CreateAgeDependentDoseTable("Fgr13inhHDB");
    }

    // The ingestion table.
    FlexGrid Build(const std::string& nuclide, const AgeGroups& ages, double factor = 1, const std::string& unit = "Sv/Bq") {
        auto database = OpenDatabase(fixture.Path());
        FlexGrid grid;
        ReportIngestionDoseCoefficients(nuclide, *database, grid, factor, unit, ages, 1);
        return grid;
    }
    // The inhalation table for the six ages, into a grid that may hold an earlier table.
    void BuildInhalation(const std::string& nuclide, FlexGrid& grid, double factor = 1) {
        auto database = OpenDatabase(fixture.Path());
        ReportInhalationDoseCoefficients(nuclide, *database, grid, factor, "Sv/Bq", SixAges, 1);
    }

    FixtureDatabase fixture;
};
using IngestionDose = AgeDependentDose;
using InhalationDose = AgeDependentDose;

TEST_F(IngestionDose, OneBlockPerAgeFillsOneColumnPerAgeInTheChosenUnits) {
    DoseRecord infant = Block("Cs-137", 365, 2, 0.3, 1);
    DoseRecord adult = Block("Cs-137", 7300, 1, 0.1, 2);
    infant.Coefficients[12] = adult.Coefficients[12] = 0.0;  // a stored zero
    adult.Coefficients[13] = FieldValue();                   // not in the database
    fixture.AddDoseRecord("Fgr13ingGDB", infant);
    fixture.AddDoseRecord("Fgr13ingGDB", adult);

    const FlexGrid grid = Build("Cs-137", TwoAges, 1000, "mSv/Bq");

    EXPECT_EQ(DescribeGrid(grid), R"(*Ingestion Dose Coefficients||
*Cs-137  T1/2 = 30.0 y||
*Units = mSv/Bq||
*f1 = 0.3 (infant)||
*||
*Description|*Infant|*Adult
*f1|*3.00E-01|*1.00E-01
Adrenals|4.00E-07|2.00E-07
Bone Surface|6.00E-07|3.00E-07
Brain|8.00E-07|4.00E-07
Breasts|1.00E-06|5.00E-07
Stomach Wall|1.20E-06|6.00E-07
Small Intestine Wall|1.40E-06|7.00E-07
Upper Large Intestine Wall|1.60E-06|8.00E-07
Lower Large Intestine Wall|1.80E-06|9.00E-07
Kidneys|2.00E-06|1.00E-06
Liver|2.20E-06|1.10E-06
Lungs|0.00E00|0.00E00
Remainder|2.60E-06|
Muscle|2.80E-06|1.40E-06
Ovaries|3.00E-06|1.50E-06
Pancreas|3.20E-06|1.60E-06
Red Marrow|3.40E-06|1.70E-06
Skin|3.60E-06|1.80E-06
Spleen|3.80E-06|1.90E-06
Testes|4.00E-06|2.00E-06
Thymus|4.20E-06|2.10E-06
Thyroid|4.40E-06|2.20E-06
Uterus|4.60E-06|2.30E-06
Bladder Wall|4.80E-06|2.40E-06
Effective|5.00E-06|2.50E-06
)");
    EXPECT_EQ(grid.ColWidth(0), 3000);
    EXPECT_EQ(grid.ColAlignment(0), AlignLeftTop);
}

TEST_F(IngestionDose, AgesWithoutRecordsLeaveTheRightmostColumnsEmpty) {
    for (int a : {0, 1, 3, 4, 5}) fixture.AddDoseRecord("Fgr13ingGDB", Block("Sr-90", SixAges.AgeGroupDays[a], a + 1, 0.3, a + 1));
    const FlexGrid grid = Build("Sr-90", SixAges);
    EXPECT_EQ(grid.Cols(), 7);
    const std::vector<std::string> headings = {"3 Months", "1 Year", "10 Years", "15 Years", "Adult", ""};
    for (int c = 1; c <= 6; ++c) EXPECT_EQ(grid.TextMatrix(5, c), headings[c - 1]) << c;
    EXPECT_EQ(grid.TextMatrix(7, 3), "8.00E-10") << "10 Years (scale 4) stands in column 3";
    for (int r = 0; r < grid.Rows(); ++r) EXPECT_EQ(grid.TextMatrix(r, 6), "") << r;
}

TEST_F(IngestionDose, WithoutTheFirstAgeNoHeaderAndNoDescriptorsAreWritten) {
    fixture.AddDoseRecord("Fgr13ingGDB", Block("I-131", 7300, 1, 1.0, 1));
    const FlexGrid grid = Build("I-131", TwoAges);
    EXPECT_EQ(grid.Rows(), 31);
    EXPECT_EQ(grid.Cols(), 3);
    for (int r = 0; r < grid.Rows(); ++r)
        EXPECT_EQ(grid.TextMatrix(r, 0), r == 1 ? "(None Available)" : "") << r;
    EXPECT_EQ(grid.TextMatrix(5, 1), "Adult");
    EXPECT_EQ(grid.TextMatrix(6, 1), "1.00E00");
}

TEST_F(IngestionDose, TwoBlocksPerAgeStackThirtyTwoRowsApartInIdOrder) {
    // Stored out of ID order: the second form is inserted first.
    DoseRecord insolubleAdult = Block("Pu-239", 7300, 3, 1e-5, 40);
    insolubleAdult.Subtitle = "f1 = 1E-05 (oxides)";
    fixture.AddDoseRecord("Fgr13ingGDB", insolubleAdult);
    fixture.AddDoseRecord("Fgr13ingGDB", Block("Pu-239", 7300, 1, 5e-4, 30));
    fixture.AddDoseRecord("Fgr13ingGDB", Block("Pu-239", 365, 2, 5e-4, 10));
    DoseRecord insolubleInfant = Block("Pu-239", 365, 4, 1e-4, 20);
    insolubleInfant.Subtitle = "f1 = 0.0001 (oxides)";
    fixture.AddDoseRecord("Fgr13ingGDB", insolubleInfant);

    const FlexGrid grid = Build("Pu-239", TwoAges);

    EXPECT_EQ(grid.Rows(), 63);
    EXPECT_EQ(grid.TextMatrix(32, 0), "Ingestion Dose Coefficients");
    EXPECT_TRUE(grid.CellFormatAt(36, 0).Bold) << "the empty fifth header row is bold";
    EXPECT_EQ(grid.TextMatrix(35, 0), "f1 = 0.0001 (oxides)") << "subtitle of the first age's second block";
    EXPECT_EQ(grid.TextMatrix(37, 0), "Description");
    EXPECT_EQ(grid.TextMatrix(37, 2), "Adult");
    EXPECT_EQ(grid.TextMatrix(38, 1), "1.00E-04");
    EXPECT_EQ(grid.TextMatrix(38, 2), "1.00E-05");
    EXPECT_EQ(grid.TextMatrix(62, 2), "7.50E-09");
    EXPECT_EQ(grid.TextMatrix(6, 2), "5.00E-04") << "the first block is the lower ID";
    EXPECT_EQ(grid.TextMatrix(31, 0), "");
}

TEST_F(IngestionDose, HighLetRecordsAreWeightedByTwenty) {
    // A block of nlet records: a(i) = 1E-9 in the first, of the type given; b(i) = 2E-10 in the
    // high-LET second one, which has no remainder.
    const auto addBlock = [this](const std::string& nuclide, const std::string& firstType, std::int64_t nlet,
                                 std::int64_t id) {
        DoseRecord record;
        record.Nuclide = nuclide;
        record.Nlet = nlet;
        record.Type = firstType;
        record.Id = id;
        for (int i = 1; i <= 25; ++i) record.Coefficients[i] = 1e-9;
        fixture.AddDoseRecord("Fgr13ingGDB", record);
        record.Type = "H";
        record.Id = id + 1;
        for (int i = 1; i <= 25; ++i) record.Coefficients[i] = 2e-10;
        record.Coefficients[13] = FieldValue();
        if (nlet == 2) fixture.AddDoseRecord("Fgr13ingGDB", record);
    };
    addBlock("Am-241", "L", 2, 1);
    addBlock("Cm-244", "H", 2, 3);
    addBlock("Th-232", "h", 2, 5);
    addBlock("Po-210", "H", 1, 7);

    struct Expected {
        const char* Nuclide;
        const char* First;     // coefficient 1: never weighted or converted
        const char* Organ;     // coefficients 2 to 24
        const char* Remainder; // coefficient 13, Null in the high-LET record
        const char* Effective; // coefficient 25: converted, never weighted
    };
    // With factor 10: (a + 20 b) x 10 = 5E-08; first record weighted too: (20 a + 20 b) x 10 = 2.4E-07.
    for (const Expected& e : {Expected{"Am-241", "1.00E-09", "5.00E-08", "1.00E-08", "1.00E-08"},
                              Expected{"Cm-244", "1.00E-09", "2.40E-07", "2.00E-07", "1.00E-08"},
                              Expected{"Th-232", "1.00E-09", "5.00E-08", "1.00E-08", "1.00E-08"},
                              Expected{"Po-210", "1.00E-09", "2.00E-07", "2.00E-07", "1.00E-08"}}) {
        const FlexGrid grid = Build(e.Nuclide, AdultOnly, 10);
        EXPECT_EQ(grid.TextMatrix(6, 1), e.First) << e.Nuclide;
        EXPECT_EQ(grid.TextMatrix(7, 1), e.Organ) << e.Nuclide;
        EXPECT_EQ(grid.TextMatrix(29, 1), e.Organ) << e.Nuclide << " bladder wall";
        EXPECT_EQ(grid.TextMatrix(18, 1), e.Remainder) << e.Nuclide;
        EXPECT_EQ(grid.TextMatrix(30, 1), e.Effective) << e.Nuclide;
        EXPECT_EQ(grid.Rows(), 31) << e.Nuclide << ": a two-record block is one block";
    }
}

TEST_F(IngestionDose, AFieldHeldByOnlyOneRecordOfTheBlockStillShows) {
    DoseRecord low;
    low.Nuclide = "U-238";
    low.Nlet = std::int64_t{2};
    low.Id = 1;
    DoseRecord high = low;
    high.Id = 2;
    low.Coefficients[2] = FieldValue();
    high.Coefficients[2] = 1e-9;
    low.Coefficients[3] = 4e-9;
    fixture.AddDoseRecord("Fgr13ingGDB", low);
    fixture.AddDoseRecord("Fgr13ingGDB", high);
    const FlexGrid grid = Build("U-238", AdultOnly);
    EXPECT_EQ(grid.TextMatrix(7, 1), "2.00E-08");
    EXPECT_EQ(grid.TextMatrix(8, 1), "4.00E-09");
    EXPECT_EQ(grid.TextMatrix(9, 1), "") << "Null in both records";
}

TEST_F(IngestionDose, ABlockCountingMoreRecordsThanRemainShowsWhatThereIs) {
    DoseRecord last = Block("Ra-226", 7300, 1, 0.2, 1);
    last.Nlet = std::int64_t{3};
    fixture.AddDoseRecord("Fgr13ingGDB", last);
    const FlexGrid grid = Build("Ra-226", AdultOnly);
    EXPECT_EQ(grid.Rows(), 31);
    EXPECT_EQ(grid.TextMatrix(7, 1), "2.00E-10");
}

TEST_F(IngestionDose, ANuclideWithoutRecordsGivesTheEmptyResult) {
    fixture.AddDoseRecord("Fgr13ingGDB", Block("Cs-137", 7300, 1, 1, 1));
    const FlexGrid grid = Build("Cs-134", SixAges);
    EXPECT_EQ(DescribeGrid(grid), "\n(None Available)\n");
    EXPECT_EQ(grid.ColWidth(0), 3000);
}

TEST_F(IngestionDose, NamesWithQuotesAreFoundAndMatchInAnyCase) {
    fixture.AddDoseRecord("Fgr13ingGDB", Block("O'Brien-1", 7300, 1, 1, 1));
    fixture.AddDoseRecord("Fgr13ingGDB", Block("Cs-137", 7300, 1, 1, 2));
    EXPECT_EQ(Build("O'Brien-1", AdultOnly).TextMatrix(1, 0), "O'Brien-1  T1/2 = 30.0 y");
    EXPECT_EQ(Build("cs-137", AdultOnly).TextMatrix(1, 0), "Cs-137  T1/2 = 30.0 y") << "names match in any case";
}

TEST_F(IngestionDose, MalformedBlocksEndTheBuildWithAnError) {
    DoseRecord noCount = Block("Bad-1", 7300, 1, 1, 1);
    noCount.Nlet = FieldValue();
    DoseRecord zeroCount = Block("Bad-2", 7300, 1, 1, 2);
    zeroCount.Nlet = std::int64_t{0};
    DoseRecord textValue = Block("Bad-3", 7300, 1, 1, 3);
    textValue.Coefficients[5] = "see note";
    DoseRecord numberAsText = Block("Ok-4", 7300, 1, 1, 4);
    numberAsText.Coefficients[5] = " 7.5E-10 ";
    for (const auto& record : {noCount, zeroCount, textValue, numberAsText}) fixture.AddDoseRecord("Fgr13ingGDB", record);
    for (const char* nuclide : {"Bad-1", "Bad-2", "Bad-3"}) EXPECT_THROW(Build(nuclide, AdultOnly), DatabaseError) << nuclide;
    EXPECT_EQ(Build("Ok-4", AdultOnly).TextMatrix(10, 1), "7.50E-10");
}

TEST_F(IngestionDose, ATableWithoutTheExpectedFieldsFails) {
    fixture.Execute("DROP TABLE Fgr13ingGDB; CREATE TABLE Fgr13ingGDB (Nuclide, Age, Nlet, ID)");
    fixture.Insert("Fgr13ingGDB", {"Cs-137", 7300.0, std::int64_t{1}, std::int64_t{1}});
    EXPECT_THROW(Build("Cs-137", AdultOnly), DatabaseError);
}

TEST_F(InhalationDose, ANuclideWithoutRecordsKeepsOneColumnPerAge) {
    FlexGrid grid;
    BuildInhalation("Xx-1", grid);
    EXPECT_EQ(DescribeGrid(grid), "||||||\n(None Available)||||||\n");
}

TEST_F(InhalationDose, AbsorptionTypesStackAsBlocksUnderEveryAge) {
    std::int64_t id = 1;
    for (double age : SixAges.AgeGroupDays)
        for (const auto& [type, scale] : {std::pair{"Type F", 1}, std::pair{"Type M", 2}}) {
            DoseRecord record = Block("Cs-137", age, scale, 0.1, id++);
            record.Subtitle = type;
            fixture.AddDoseRecord("Fgr13inhHDB", record);
        }
    FlexGrid grid;
    BuildInhalation("Cs-137", grid, 1000);
    EXPECT_EQ(grid.Rows(), 63);
    EXPECT_EQ(grid.Cols(), 7);
    EXPECT_EQ(grid.TextMatrix(0, 0), "Inhalation Dose Coefficients");
    EXPECT_EQ(grid.TextMatrix(3, 0), "Type F");
    EXPECT_EQ(grid.TextMatrix(35, 0), "Type M");
    EXPECT_EQ(grid.TextMatrix(7, 1), "2.00E-07") << "coefficient 2 of type F: 1 x 2 x 1E-10 x 1000";
    EXPECT_EQ(grid.TextMatrix(39, 6), "4.00E-07") << "coefficient 2 of type M: 2 x 2 x 1E-10 x 1000";
}

TEST_F(InhalationDose, AnEarlierLargerTableLeavesNothingBehind) {
    FlexGrid grid(85, 12);
    for (int r = 0; r < 85; ++r)
        for (int c = 0; c < 12; ++c) grid.SetTextMatrix(r, c, "old");
    fixture.AddDoseRecord("Fgr13inhHDB", Block("Cs-137", 100, 1, 0.1, 1));
    BuildInhalation("Cs-137", grid);
    EXPECT_EQ(grid.Rows(), 31);
    EXPECT_EQ(grid.Cols(), 7);
    for (int r = 0; r < grid.Rows(); ++r)
        for (int c = 0; c < grid.Cols(); ++c) EXPECT_NE(grid.TextMatrix(r, c), "old") << r << "," << c;
}

}  // namespace
}  // namespace quorvel

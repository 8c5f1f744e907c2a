// The rules of the dose tables that the whole tables under tests/data/expected do not
// show: high-LET blocks, stacked blocks, missing first ages and damaged records of the
// age-dependent tables; the colon dose and the record shown of the external ones.

#include <gtest/gtest.h>

#include "DatabaseError.h"
#include "FixtureDatabase.h"
#include "TableRequests.h"

namespace quorvel {
namespace {

using test::DoseRecord;

const AgeGroups TwoAges{{"Infant", "Adult"}, {365, 7300}};
const AgeGroups AdultOnly{{"Adult"}, {7300}};

// Every coefficient, f1 included, holds value.
DoseRecord Record(const std::string& nuclide, double age, double value, std::int64_t id) {
    DoseRecord record;
    record.Nuclide = nuclide;
    record.Header = nuclide + " header";
    record.Subtitle = nuclide + " subtitle";
    record.Age = age;
    record.Id = id;
    for (int i = 1; i <= 25; ++i) record.Coefficients[i] = value;
    return record;
}

class IngestionDose : public ::testing::Test {
protected:
    IngestionDose() { fixture.CreateAgeDependentDoseTable("Fgr13ingGDB"); }

    FlexGrid Build(const std::string& nuclide, const AgeGroups& ages, double factor = 1) {
        return test::BuildTable(fixture.Path(), {CoefficientType::Dose, Pathway::Ingestion}, nuclide, factor, ages);
    }
    void Add(const DoseRecord& record) { fixture.AddDoseRecord("Fgr13ingGDB", record); }

    test::FixtureDatabase fixture;
};

// Rows: 6 f1, 7 first organ, 18 remainder, 29 last organ, 30 effective.
TEST_F(IngestionDose, HighLetRecordsAreWeightedByTwentyButNotF1OrTheEffectiveDose) {
    // a(i) = 1E-9 in the first record, of the type given; b(i) = 2E-10 in the high-LET
    // second one, which has no remainder.
    const auto addBlock = [this](const std::string& nuclide, const std::string& firstType, std::int64_t nlet,
                                 std::int64_t id) {
        DoseRecord record = Record(nuclide, 7300, 1e-9, id);
        record.Nlet = nlet;
        record.Type = firstType;
        Add(record);
        record = Record(nuclide, 7300, 2e-10, id + 1);
        record.Type = "H";
        record.Coefficients[13] = FieldValue();
        if (nlet == 2) Add(record);
    };
    addBlock("Am-241", "L", 2, 1);
    addBlock("Cm-244", "H", 2, 3);
    addBlock("Th-232", "h", 2, 5);
    addBlock("Po-210", "H", 1, 7);

    // With factor 10: (a + 20 b) x 10 = 5E-08; a high-LET first record too: (20 a + 20 b) x 10 = 2.4E-07.
    struct Expected {
        const char *Nuclide, *Organ, *Remainder;
    };
    for (const Expected& e : {Expected{"Am-241", "5.00E-08", "1.00E-08"}, Expected{"Cm-244", "2.40E-07", "2.00E-07"},
                              Expected{"Th-232", "5.00E-08", "1.00E-08"}, Expected{"Po-210", "2.00E-07", "2.00E-07"}}) {
        const FlexGrid grid = Build(e.Nuclide, AdultOnly, 10);
        EXPECT_EQ(grid.TextMatrix(6, 1), "1.00E-09") << e.Nuclide << ": f1 is never weighted or converted";
        EXPECT_EQ(grid.TextMatrix(7, 1), e.Organ) << e.Nuclide;
        EXPECT_EQ(grid.TextMatrix(29, 1), e.Organ) << e.Nuclide;
        EXPECT_EQ(grid.TextMatrix(18, 1), e.Remainder) << e.Nuclide;
        EXPECT_EQ(grid.TextMatrix(30, 1), "1.00E-08") << e.Nuclide << ": the effective dose is never weighted";
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
    high.Coefficients[2] = 1e-9;
    low.Coefficients[3] = 4e-9;
    Add(low);
    Add(high);
    const FlexGrid grid = Build("U-238", AdultOnly);
    EXPECT_EQ(grid.TextMatrix(7, 1), "2.00E-08");
    EXPECT_EQ(grid.TextMatrix(8, 1), "4.00E-09");
    EXPECT_EQ(grid.TextMatrix(9, 1), "") << "Null in both records";
}

TEST_F(IngestionDose, BlocksOfOneAgeStackThirtyTwoRowsApartInIdOrder) {
    Add(Record("Pu-239", 7300, 4e-9, 40));
    Add(Record("Pu-239", 7300, 3e-9, 30));
    Add(Record("Pu-239", 365, 2e-9, 10));
    DoseRecord second = Record("Pu-239", 365, 1e-9, 20);
    second.Subtitle = "oxides";
    Add(second);

    const FlexGrid grid = Build("Pu-239", TwoAges);
    EXPECT_EQ(grid.Rows(), 63);
    EXPECT_EQ(grid.TextMatrix(6, 2), "3.00E-09") << "the lower ID comes first";
    EXPECT_EQ(grid.TextMatrix(32, 0), "Ingestion Dose Coefficients");
    EXPECT_EQ(grid.TextMatrix(35, 0), "oxides") << "each block has the header of the first age's record";
    EXPECT_TRUE(grid.CellFormatAt(36, 0).Bold);
    EXPECT_EQ(grid.TextMatrix(37, 2), "Adult");
    EXPECT_EQ(grid.TextMatrix(38, 1), "1.00E-09");
    EXPECT_EQ(grid.TextMatrix(62, 2), "4.00E-09");
}

TEST_F(IngestionDose, WithoutTheFirstAgeNoHeaderAndNoDescriptorsAreWritten) {
    Add(Record("I-131", 7300, 1, 1));
    const FlexGrid grid = Build("I-131", TwoAges);
    for (int r = 0; r < grid.Rows(); ++r) EXPECT_EQ(grid.TextMatrix(r, 0), r == 1 ? "(None Available)" : "") << r;
    EXPECT_EQ(grid.TextMatrix(5, 1), "Adult");
    EXPECT_EQ(grid.TextMatrix(6, 1), "1.00E00");
}

TEST_F(IngestionDose, DamagedBlocksEndTheBuildWithAnErrorAndShortOnesShowWhatThereIs) {
    DoseRecord noCount = Record("Bad-1", 7300, 1, 1);
    noCount.Nlet = FieldValue();
    DoseRecord zeroCount = Record("Bad-2", 7300, 1, 2);
    zeroCount.Nlet = std::int64_t{0};
    DoseRecord textValue = Record("Bad-3", 7300, 1, 3);
    textValue.Coefficients[5] = "see note";
    DoseRecord numberAsText = Record("Ok-4", 7300, 1, 4);
    numberAsText.Coefficients[5] = " 7.5E-10 ";
    numberAsText.Nlet = std::int64_t{3};  // more records than remain
    for (const auto& record : {noCount, zeroCount, textValue, numberAsText}) Add(record);
    for (const char* nuclide : {"Bad-1", "Bad-3"}) EXPECT_THROW(Build(nuclide, AdultOnly), DatabaseError) << nuclide;
    try {
        Build("Bad-2", AdultOnly);
        ADD_FAILURE() << "a block of no records was read";
    } catch (const DatabaseError& e) {
        EXPECT_NE(std::string(e.what()).find("Nlet is 0"), std::string::npos) << e.what();
    }
    const FlexGrid shortBlock = Build("Ok-4", AdultOnly);
    EXPECT_EQ(shortBlock.TextMatrix(10, 1), "7.50E-10");
    EXPECT_EQ(shortBlock.Rows(), 31);

    fixture.Execute("DROP TABLE Fgr13ingGDB; CREATE TABLE Fgr13ingGDB (Nuclide, Age, Nlet, ID)");
    fixture.Insert("Fgr13ingGDB", {"Cs-137", 7300.0, std::int64_t{1}, std::int64_t{1}});
    EXPECT_THROW(Build("Cs-137", AdultOnly), DatabaseError) << "a table without the coefficient fields";
}

// ---------------------------------------------------------------------------------------
// External dose: the colon dose and which record is shown.

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
        return test::BuildTable(fixture.Path(), test::RequestOf("- dose external ground-plane").Kind, nuclide, factor);
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

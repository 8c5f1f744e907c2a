// Rules of the three risk tables beside the whole tables of tests/data/expected: which
// values are converted, what Null shows, and how field names become column headings.

#include <gtest/gtest.h>
#include <sstream>

#include "FixtureDatabase.h"
#include "GridLayout.h"
#include "TableRequests.h"

namespace quorvel {
namespace {

class EachRiskTable : public ::testing::TestWithParam<Pathway> {
protected:
    EachRiskTable() { db.CreateRiskTables(); }

    // One record: no form, f1 0.1, the external one for submersion.
    void AddRecord(const std::vector<FieldValue>& displayed) {
        if (GetParam() == Pathway::Ingestion)
            db.AddIngestionRiskRecord("Sr-90", "Water", FieldValue(), "0.1", displayed, 1);
        if (GetParam() == Pathway::Inhalation) db.AddInhalationRiskRecord("Sr-90", FieldValue(), "0.1", displayed, 1);
        if (GetParam() == Pathway::External) db.AddExternalRiskRecord("Sr-90", "Submersion", displayed, 1);
    }

    // The grid line of the first record (offset 0) or of the row above it (-1).
    std::string FirstRecordLine(double unitFactor, int offset = 0) {
        std::istringstream text(
            test::DescribeGrid(test::BuildTable(db.Path(), {CoefficientType::Risk, GetParam()}, "Sr-90", unitFactor)));
        std::string line;
        const int row = (GetParam() == Pathway::External ? 4 : 6) + offset;
        for (int r = 0; r <= row; ++r) std::getline(text, line);
        return line;
    }

    test::FixtureDatabase db;
};

TEST_P(EachRiskTable, CoefficientsAreScaledOnlyWhenTheyReadAsNumbersAndNullLeavesItsCellEmpty) {
    AddRecord({"Lung", 2.0e-10, "4.0E-10", FieldValue(), " 6e-10 ", "n/a", "<1E-10", std::int64_t{0}, "1.0E-10x",
               std::int64_t{3}, -8.0e-10});
    EXPECT_EQ(FirstRecordLine(0.5), "Lung|1.00E-10|2.00E-10||3.00E-10|n/a|<1E-10|0.00E00|1.0E-10x|1.50E00|-4.00E-10|");
}

TEST_P(EachRiskTable, MorHeadingsDropTheirFirstNineCharacters) {
    std::string columns;
    for (const char* name :
         {"Cancer Site", "Mortality", "Morbid", "mortality male", "Mortality   Spaced  ", "Morbidity Female",
          "MortalityX", "Morning Star Value", "MORTALITY Upper", "Mortality Male Adult", "Mor"})
        columns += std::string(", \"") + name + "\"";
    db.Execute("DROP TABLE FGR13INGRBS; DROP TABLE FGR13INHRBS; DROP TABLE FGR13extRBS");
    db.Execute("CREATE TABLE FGR13INGRBS (Nuclide, Intake, Form, f_1, ID" + columns + ")");
    db.Execute("CREATE TABLE FGR13INHRBS (Nuclide, Form, f_1, ID" + columns + ")");
    db.Execute("CREATE TABLE FGR13extRBS (Nuclide, Mode, ID" + columns + ")");
    AddRecord(std::vector<FieldValue>(11, FieldValue("x")));
    EXPECT_EQ(FirstRecordLine(1, -1),
              "Cancer Site|||mortality male|Spaced|Female|X|tar Value|MORTALITY Upper|Male Adult||");
}

INSTANTIATE_TEST_SUITE_P(Tables, EachRiskTable,
                         ::testing::Values(Pathway::Ingestion, Pathway::Inhalation, Pathway::External));

TEST(IngestionRisk, NullIntakeAndF1LeaveTheirLabelsAlone) {
    test::FixtureDatabase db;
    db.CreateRiskTables();
    const std::vector<FieldValue> displayed(11, FieldValue("x"));
    db.AddIngestionRiskRecord("Tc-99", FieldValue(), FieldValue(), FieldValue(), displayed, 1);
    const FlexGrid grid = test::BuildTable(db.Path(), {CoefficientType::Risk, Pathway::Ingestion}, "Tc-99", 1);
    EXPECT_EQ(grid.TextMatrix(3, 0), "Pathway = ");
    EXPECT_EQ(grid.TextMatrix(4, 0), "f1 = ");
}

}  // namespace
}  // namespace quorvel

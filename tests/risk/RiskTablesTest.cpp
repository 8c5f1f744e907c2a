// The three risk coefficient tables, built from fixture databases and compared with
// layouts written out here.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "Database.h"
#include "FixtureDatabase.h"
#include "FlexGrid.h"
#include "GridLayout.h"
#include "RiskCoefficientReports.h"

namespace {

using quorvel::FieldValue;
using quorvel::FlexGrid;
using quorvel::test::DescribeGrid;
using quorvel::test::FixtureDatabase;

enum class RiskTable { Ingestion, Inhalation, External };

std::string TableName(RiskTable table) {
    return table == RiskTable::Ingestion ? "Ingestion" : table == RiskTable::Inhalation ? "Inhalation" : "External";
}

// Displayed values of record k: the site "Site k" and ten coefficients 1.0 to 1.9 times 10^-k.
std::vector<FieldValue> NumberedRow(int k) {
    std::vector<FieldValue> row{FieldValue("Site " + std::to_string(k))};
    for (int j = 0; j < 10; ++j) row.emplace_back((1.0 + 0.1 * j) * std::pow(10.0, -k));
    return row;
}

// The grid lines of NumberedRow(first) to NumberedRow(last), spelled out digit by digit.
std::string SiteRows(int first, int last) {
    std::string rows;
    for (int k = first; k <= last; ++k) {
        rows += "Site " + std::to_string(k);
        for (int j = 0; j < 10; ++j) rows += "|1." + std::to_string(j) + (k < 10 ? "0E-0" : "0E-") + std::to_string(k);
        rows += "|\n";
    }
    return rows;
}

const std::string EmptyRow = "|||||||||||\n";
const std::string Headings = "Cancer Site|Male|Female|Average|Lower|Upper|Male|Female|Average|Lower|Upper|\n";
const std::string F1Row = "|||*Mortality|||||*Morbidity|||\n";
constexpr const char* NoneAvailableGrid = "\n(None Available)\n";

// The records of one run of a nuclide: what its first record says and how many it holds.
struct Section {
    FieldValue Intake;
    FieldValue Form;
    FieldValue F1;
    int Records = 15;
};

// Sections of 15 records (the last one shorter when the count asks for it).
std::vector<Section> EvenSections(int records, bool withForms) {
    std::vector<Section> sections;
    for (int n = 1; records > 0; ++n) {
        const int size = std::min(records, 15);
        sections.push_back({FieldValue("Intake " + std::to_string(n)),
                            withForms ? FieldValue("Form " + std::to_string(n)) : FieldValue(),
                            FieldValue(std::to_string(n)), size});
        records -= size;
    }
    return sections;
}

class RiskTablesTest : public ::testing::Test {
protected:
    RiskTablesTest() { db.CreateRiskTables(); }

    // Records numbered from 1 on (see NumberedRow), record k with ID k, stored in the
    // reverse of their ID order so that only the ID puts them in order. Only the first
    // record of a section holds its intake, form and f1; the others hold something else,
    // so that a heading read from any other record shows.
    void AddInternal(RiskTable table, const std::string& nuclide, const std::vector<Section>& sections) {
        int k = 0;
        for (const auto& section : sections) k += section.Records;
        const FieldValue other("Not the first record");
        for (auto s = sections.rbegin(); s != sections.rend(); ++s)
            for (int i = s->Records - 1; i >= 0; --i, --k) {
                const bool first = i == 0;
                const FieldValue form = first ? s->Form : s->Form.IsNull() ? other : FieldValue();
                if (table == RiskTable::Ingestion)
                    db.AddIngestionRiskRecord(nuclide, first ? s->Intake : other, form, first ? s->F1 : other,
                                              NumberedRow(k), k);
                else
                    db.AddInhalationRiskRecord(nuclide, form, first ? s->F1 : other, NumberedRow(k), k);
            }
    }
    void AddExternal(const std::string& nuclide, const std::string& mode, int records) {
        for (int k = records; k >= 1; --k) db.AddExternalRiskRecord(nuclide, mode, NumberedRow(k), k);
    }
    // One record in any table: no form, f1 0.1, the external one for submersion.
    void AddSingleRecord(RiskTable table, const std::string& nuclide, const std::vector<FieldValue>& displayed,
                         std::int64_t id = 1) {
        if (table == RiskTable::Ingestion)
            db.AddIngestionRiskRecord(nuclide, "Water", FieldValue(), "0.1", displayed, id);
        if (table == RiskTable::Inhalation) db.AddInhalationRiskRecord(nuclide, FieldValue(), "0.1", displayed, id);
        if (table == RiskTable::External) db.AddExternalRiskRecord(nuclide, "Submersion", displayed, id);
    }

    void Build(RiskTable table, const std::string& nuclide, double unitFactor = 1, int geometry = 0,
               const std::string& unitName = "per Bq") {
        auto database = quorvel::OpenDatabase(db.Path());
        if (table == RiskTable::Ingestion)
            quorvel::ReportIngestionRiskCoefficients(nuclide, *database, grid, unitFactor, unitName, 1);
        else if (table == RiskTable::Inhalation)
            quorvel::ReportInhalationRiskCoefficients(nuclide, *database, grid, unitFactor, unitName, 1);
        else
            quorvel::ReportExternalRiskCoefficients(nuclide, *database, grid, geometry, unitFactor, unitName, 1);
    }

    // One row of the grid as DescribeGrid writes it.
    std::string Line(int row) const {
        std::istringstream text(DescribeGrid(grid));
        std::string line;
        for (int r = 0; r <= row; ++r) std::getline(text, line);
        return line;
    }

    FixtureDatabase db;
    FlexGrid grid;
};

// ---------------------------------------------------------------------------------------
// Whole tables

TEST_F(RiskTablesTest, IngestionGroupWithAndWithoutFormRowMatchesItsLayout) {
    AddInternal(RiskTable::Ingestion, "Cs-137", {{"Water", "Soluble", 0.3, 15}, {"Food", FieldValue(), "1.0E-02", 15}});
    Build(RiskTable::Ingestion, "Cs-137");
    EXPECT_EQ(DescribeGrid(grid), R"(*Ingestion Risk Coefficients|||||||||||
*Cs-137|||||||||||
*Units = per Bq|||||||||||
*Pathway = Water|||||||||||
*Soluble|||||||||||
*f1 = 0.3|||*Mortality|||||*Morbidity|||
Cancer Site|Male|Female|Average|Lower|Upper|Male|Female|Average|Lower|Upper|
)" + SiteRows(1, 15) + R"(|||||||||||
*Pathway = Food|||||||||||
*f1 = 1.0E-02|||*Mortality|||||*Morbidity|||
Cancer Site|Male|Female|Average|Lower|Upper|Male|Female|Average|Lower|Upper|
)" + SiteRows(16, 30) + EmptyRow + EmptyRow);
}

TEST_F(RiskTablesTest, InhalationGroupWithOrWithoutFormRowMatchesItsLayout) {
    AddInternal(RiskTable::Inhalation, "I-131", {{FieldValue(), "Type F", "1", 15}});
    Build(RiskTable::Inhalation, "I-131");
    EXPECT_EQ(DescribeGrid(grid), R"(*Inhalation Risk Coefficients|||||||||||
*I-131|||||||||||
*Units = per Bq|||||||||||
|||||||||||
*Type F|||||||||||
*f1 = 1|||*Mortality|||||*Morbidity|||
Cancer Site|Male|Female|Average|Lower|Upper|Male|Female|Average|Lower|Upper|
)" + SiteRows(1, 15));

    // Without a form the f1 row comes right below the empty row; the rest of the group stays empty.
    AddInternal(RiskTable::Inhalation, "I-129", {{FieldValue(), FieldValue(), "0.01", 3}});
    Build(RiskTable::Inhalation, "I-129");
    std::string rest;
    for (int r = 9; r < 22; ++r) rest += EmptyRow;
    EXPECT_EQ(DescribeGrid(grid), "*Inhalation Risk Coefficients" + EmptyRow + "*I-129" + EmptyRow + "*Units = per Bq" +
                                      EmptyRow + EmptyRow + "*f1 = 0.01" + F1Row + Headings + SiteRows(1, 3) + rest);
}

TEST_F(RiskTablesTest, ExternalGroupMatchesItsLayoutEvenAfterALargerTable) {
    AddInternal(RiskTable::Ingestion, "Cs-137", EvenSections(90, true));
    AddExternal("Co-60", "Ground Plane", 15);
    Build(RiskTable::Ingestion, "Cs-137");
    ASSERT_EQ(grid.Rows(), 127);
    Build(RiskTable::External, "Co-60", 1, 1, "per Bq s/m2");
    EXPECT_EQ(DescribeGrid(grid), R"(*Ground Plane Risk Coefficients|||||||||||
*Co-60|||||||||||
*Units = per Bq s/m2|||*Mortality|||||*Morbidity|||
Cancer Site|Male|Female|Average|Lower|Upper|Male|Female|Average|Lower|Upper|
)" + SiteRows(1, 15) + EmptyRow);
}

// ---------------------------------------------------------------------------------------
// Growth with the number of records

struct GrowthCase {
    const char* Name;
    RiskTable Table;
    int Records;
    bool WithForms;
    int Rows;
    int LastDataRow;
    int Sections;
    std::vector<int> TitleRows;
};

void PrintTo(const GrowthCase& c, std::ostream* os) { *os << c.Name; }

class RiskTableGrowthTest : public RiskTablesTest, public ::testing::WithParamInterface<GrowthCase> {};

TEST_P(RiskTableGrowthTest, EveryRecordIsShownOnceInOrderInAGridSizedForItsGroups) {
    const GrowthCase& c = GetParam();
    if (c.Table == RiskTable::External)
        AddExternal("Ba-140", "Submersion", c.Records);
    else
        AddInternal(c.Table, "Ba-140", EvenSections(c.Records, c.WithForms));
    ASSERT_NO_THROW(Build(c.Table, "Ba-140"));
    ASSERT_EQ(grid.Rows(), c.Rows);
    ASSERT_EQ(grid.Cols(), 12);

    // Each record once, in ID order, the last one where the layout puts it.
    int expected = 1;
    int lastRow = -1;
    int forms = 0;
    int sections = 0;
    std::vector<int> titleRows;
    const std::string title = TableName(c.Table) + " Risk Coefficients";
    for (int r = 0; r < grid.Rows(); ++r) {
        const std::string& first = grid.TextMatrix(r, 0);
        if (first.rfind("Site ", 0) == 0) {
            EXPECT_EQ(first, "Site " + std::to_string(expected)) << "row " << r;
            ++expected;
            lastRow = r;
        }
        if (first.rfind("Form ", 0) == 0) ++forms;
        if (grid.TextMatrix(r, 3) == "Mortality") ++sections;
        if (first == title || first == "Submersion Risk Coefficients") titleRows.push_back(r);
    }
    EXPECT_EQ(expected - 1, c.Records);
    EXPECT_EQ(lastRow, c.LastDataRow);
    EXPECT_EQ(sections, c.Sections);
    EXPECT_EQ(forms, c.WithForms ? c.Sections : 0);
    EXPECT_EQ(titleRows, c.TitleRows);
    for (int r = lastRow + 1; r < grid.Rows(); ++r)
        for (int col = 0; col < grid.Cols(); ++col) EXPECT_EQ(grid.TextMatrix(r, col), "") << "row " << r;

    // External groups repeat the nuclide and units under each title.
    if (c.Table == RiskTable::External)
        for (int row : c.TitleRows) {
            EXPECT_EQ(grid.TextMatrix(row + 1, 0), "Ba-140");
            EXPECT_EQ(grid.TextMatrix(row + 2, 0), "Units = per Bq");
        }
}

INSTANTIATE_TEST_SUITE_P(
    Groups, RiskTableGrowthTest,
    ::testing::Values(GrowthCase{"Ingestion31Partial", RiskTable::Ingestion, 31, true, 85, 47, 3, {0}},
                      GrowthCase{"Ingestion90NoForms", RiskTable::Ingestion, 90, false, 127, 115, 6, {0}},
                      GrowthCase{"Inhalation1", RiskTable::Inhalation, 1, false, 22, 6, 1, {0}},
                      GrowthCase{"Inhalation20Partial", RiskTable::Inhalation, 20, true, 43, 31, 2, {0}},
                      GrowthCase{"Inhalation45NoForms", RiskTable::Inhalation, 45, false, 64, 58, 3, {0}},
                      GrowthCase{"External1", RiskTable::External, 1, false, 20, 4, 1, {0}},
                      GrowthCase{"External17Partial", RiskTable::External, 17, false, 40, 25, 2, {0, 20}},
                      GrowthCase{"External45", RiskTable::External, 45, false, 60, 58, 3, {0, 20, 40}}),
    [](const ::testing::TestParamInfo<GrowthCase>& testCase) { return std::string(testCase.param.Name); });

// ---------------------------------------------------------------------------------------
// What every table shares

class EachRiskTableTest : public RiskTablesTest, public ::testing::WithParamInterface<RiskTable> {
protected:
    // The row of the first record when the table has no form rows.
    int FirstDataRow() const { return GetParam() == RiskTable::External ? 4 : 6; }
};

TEST_P(EachRiskTableTest, CoefficientsAreScaledOnlyWhenTheyReadAsNumbersAndNullLeavesItsCellEmpty) {
    AddSingleRecord(GetParam(), "Sr-90", {"Lung", 2.0e-10, "4.0E-10", FieldValue(), " 6e-10 ", "n/a", "<1E-10",
                                          std::int64_t{0}, "1.0E-10x", std::int64_t{3}, -8.0e-10});
    Build(GetParam(), "Sr-90", 0.5);
    EXPECT_EQ(Line(FirstDataRow()), "Lung|1.00E-10|2.00E-10||3.00E-10|n/a|<1E-10|0.00E00|1.0E-10x|1.50E00|-4.00E-10|");
}

TEST_P(EachRiskTableTest, ShapesTheGridWhateverItHeldBefore) {
    AddSingleRecord(GetParam(), "Sr-90", NumberedRow(1));
    grid.SetRows(5);
    grid.SetCols(14);
    for (int c = 0; c < grid.Cols(); ++c) grid.SetColAlignment(c, quorvel::AlignLeftTop);
    grid.SetFixedRows(3);
    grid.SetFixedCols(2);
    grid.SetColWidth(0, 500);
    grid.SetRow(4);
    grid.SetCol(6);
    grid.SetCellFontBold(true);

    Build(GetParam(), "Sr-90");
    EXPECT_EQ(grid.Cols(), 12);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(grid.FixedCols(), 0);
    EXPECT_EQ(grid.ColWidth(0), 3000);
    EXPECT_EQ(grid.ColAlignment(0), quorvel::AlignLeftTop);
    for (int c = 1; c < grid.Cols(); ++c) EXPECT_EQ(grid.ColAlignment(c), quorvel::AlignLeftCentre) << "column " << c;
    EXPECT_FALSE(grid.CellFormatAt(4, 6).Bold);
}

TEST_P(EachRiskTableTest, NuclideWithRecordsOnlyInOtherTablesGivesTheEmptyResultGrid) {
    AddSingleRecord(GetParam(), "Sr-90", NumberedRow(1));
    for (RiskTable other : {RiskTable::Ingestion, RiskTable::Inhalation, RiskTable::External})
        if (other != GetParam()) AddSingleRecord(other, "Pu-239", NumberedRow(1));
    Build(GetParam(), "Sr-90");
    Build(GetParam(), "Pu-239");
    EXPECT_EQ(DescribeGrid(grid), NoneAvailableGrid);
    EXPECT_EQ(grid.ColWidth(0), 3000);
}

TEST_P(EachRiskTableTest, NamesMatchAsTextInAnyCaseAndTheTitleShowsTheStoredName) {
    AddSingleRecord(GetParam(), "O'Brien-1", NumberedRow(2), 1);
    AddSingleRecord(GetParam(), "Cs-137", NumberedRow(3), 2);
    Build(GetParam(), "O'Brien-1");
    EXPECT_EQ(grid.TextMatrix(1, 0), "O'Brien-1");
    EXPECT_EQ(grid.TextMatrix(FirstDataRow(), 0), "Site 2");
    EXPECT_EQ(grid.TextMatrix(FirstDataRow() + 1, 0), "") << "only the named nuclide's record";
    for (const char* typed : {"cs-137", "CS-137"}) {
        Build(GetParam(), typed);
        EXPECT_EQ(grid.TextMatrix(1, 0), "Cs-137") << typed;
    }
}

TEST_P(EachRiskTableTest, MorHeadingsDropTheirFirstNineCharacters) {
    std::string columns;
    for (const char* name : {"Cancer Site", "Mortality", "Morbid", "mortality male", "Mortality   Spaced  ",
                             "Morbidity Female", "MortalityX", "Morning Star Value", "MORTALITY Upper",
                             "Mortality Male Adult", "Mor"})
        columns += std::string(", \"") + name + "\"";
    db.Execute("DROP TABLE FGR13INGRBS; DROP TABLE FGR13INHRBS; DROP TABLE FGR13extRBS");
    db.Execute("CREATE TABLE FGR13INGRBS (Nuclide, Intake, Form, f_1, ID" + columns + ")");
    db.Execute("CREATE TABLE FGR13INHRBS (Nuclide, Form, f_1, ID" + columns + ")");
    db.Execute("CREATE TABLE FGR13extRBS (Nuclide, Mode, ID" + columns + ")");
    AddSingleRecord(GetParam(), "Am-241", NumberedRow(4));
    Build(GetParam(), "Am-241");
    EXPECT_EQ(Line(FirstDataRow() - 1),
              "Cancer Site|||mortality male|Spaced|Female|X|tar Value|MORTALITY Upper|Male Adult||");
}

INSTANTIATE_TEST_SUITE_P(Tables, EachRiskTableTest,
                         ::testing::Values(RiskTable::Ingestion, RiskTable::Inhalation, RiskTable::External),
                         [](const ::testing::TestParamInfo<RiskTable>& testCase) { return TableName(testCase.param); });

// ---------------------------------------------------------------------------------------
// Null headings and external geometries

TEST_F(RiskTablesTest, NullIntakeAndF1LeaveTheirLabelsAlone) {
    db.AddIngestionRiskRecord("Tc-99", FieldValue(), FieldValue(), FieldValue(), NumberedRow(1), 1);
    Build(RiskTable::Ingestion, "Tc-99");
    EXPECT_EQ(Line(3), "*Pathway = |||||||||||");
    EXPECT_EQ(Line(4), "*f1 = |||*Mortality|||||*Morbidity|||");
}

class ExternalGeometryTest : public RiskTablesTest, public ::testing::WithParamInterface<int> {};

TEST_P(ExternalGeometryTest, EachGeometryReadsOnlyItsOwnModeAndSoilVolumeReadsSoilLayer) {
    const char* modes[] = {"Submersion", "Ground Plane", "Soil Layer"};
    const int stored = GetParam();
    AddExternal("Kr-85", modes[stored], 15);
    db.AddExternalRiskRecord("Kr-85", "Soil Volume", NumberedRow(40), 100);  // a mode no geometry reads
    for (int geometry = 0; geometry < 3; ++geometry) {
        Build(RiskTable::External, "Kr-85", 1, geometry);
        if (geometry == stored) {
            EXPECT_EQ(grid.TextMatrix(0, 0), std::string(modes[stored]) + " Risk Coefficients");
            EXPECT_EQ(grid.Rows(), 20);
            EXPECT_EQ(grid.TextMatrix(18, 0), "Site 15");
        } else {
            EXPECT_EQ(DescribeGrid(grid), NoneAvailableGrid) << "geometry " << geometry;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Geometries, ExternalGeometryTest, ::testing::Values(0, 1, 2));

}  // namespace

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
    switch (table) {
        case RiskTable::Ingestion: return "Ingestion";
        case RiskTable::Inhalation: return "Inhalation";
        case RiskTable::External: return "External";
    }
    return {};
}

// Displayed values of record k: the site "Site k" and ten coefficients 1.0 to 1.9 times 10^-k.
std::vector<FieldValue> NumberedRow(int k) {
    std::vector<FieldValue> row{FieldValue("Site " + std::to_string(k))};
    for (int j = 0; j < 10; ++j) row.emplace_back((1.0 + 0.1 * j) * std::pow(10.0, -k));
    return row;
}

// The records of one run of a nuclide: where it begins and what its first record says.
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

std::vector<std::string> Lines(const FlexGrid& grid) {
    std::vector<std::string> lines;
    std::istringstream text(DescribeGrid(grid));
    for (std::string line; std::getline(text, line);) lines.push_back(line);
    return lines;
}

constexpr const char* EmptyRiskRow = "|||||||||||";
constexpr const char* StandardHeadings = "Cancer Site|Male|Female|Average|Lower|Upper|Male|Female|Average|Lower|Upper|";
constexpr const char* NoneAvailableGrid = "\n(None Available)\n";

class RiskTablesTest : public ::testing::Test {
protected:
    RiskTablesTest() { db.CreateRiskTables(); }

    // Records numbered from 1 on (see NumberedRow) with IDs from firstId on, stored in
    // the reverse of their ID order so that only the ID puts them in order.
    void AddIngestion(const std::string& nuclide, const std::vector<Section>& sections, std::int64_t firstId = 1) {
        for (const auto& record : Plan(sections, firstId))
            db.AddIngestionRiskRecord(nuclide, record.section->Intake, record.section->Form, record.section->F1,
                                      NumberedRow(record.k), record.id);
    }
    void AddInhalation(const std::string& nuclide, const std::vector<Section>& sections, std::int64_t firstId = 1) {
        for (const auto& record : Plan(sections, firstId))
            db.AddInhalationRiskRecord(nuclide, record.section->Form, record.section->F1, NumberedRow(record.k),
                                       record.id);
    }
    void AddExternal(const std::string& nuclide, const std::string& mode, int records, std::int64_t firstId = 1) {
        for (int k = records; k >= 1; --k) db.AddExternalRiskRecord(nuclide, mode, NumberedRow(k), firstId + k - 1);
    }
    // Records of any table, forms as asked (the external table has none).
    void AddRecords(RiskTable table, const std::string& nuclide, int records, bool withForms) {
        switch (table) {
            case RiskTable::Ingestion: AddIngestion(nuclide, EvenSections(records, withForms)); break;
            case RiskTable::Inhalation: AddInhalation(nuclide, EvenSections(records, withForms)); break;
            case RiskTable::External: AddExternal(nuclide, "Submersion", records); break;
        }
    }

    void Build(RiskTable table, const std::string& nuclide, double unitFactor = 1, int geometry = 0,
               const std::string& unitName = "per Bq") {
        auto database = quorvel::OpenDatabase(db.Path());
        switch (table) {
            case RiskTable::Ingestion:
                quorvel::ReportIngestionRiskCoefficients(nuclide, *database, grid, unitFactor, unitName, 1);
                break;
            case RiskTable::Inhalation:
                quorvel::ReportInhalationRiskCoefficients(nuclide, *database, grid, unitFactor, unitName, 1);
                break;
            case RiskTable::External:
                quorvel::ReportExternalRiskCoefficients(nuclide, *database, grid, geometry, unitFactor, unitName, 1);
                break;
        }
    }

    FixtureDatabase db;
    FlexGrid grid;

private:
    struct PlannedRecord {
        const Section* section;
        int k;
        std::int64_t id;
    };
    static std::vector<PlannedRecord> Plan(const std::vector<Section>& sections, std::int64_t firstId) {
        std::vector<PlannedRecord> records;
        int k = 1;
        for (const auto& section : sections)
            for (int i = 0; i < section.Records; ++i, ++k) records.push_back({&section, k, firstId + k - 1});
        return {records.rbegin(), records.rend()};
    }
};

// ---------------------------------------------------------------------------------------
// Whole tables

constexpr const char* IngestionTwoSectionLayout =
R"(*Ingestion Risk Coefficients|||||||||||
*Cs-137|||||||||||
*Units = per Bq|||||||||||
*Pathway = Water|||||||||||
*Soluble|||||||||||
*f1 = 0.3|||*Mortality|||||*Morbidity|||
Cancer Site|Male|Female|Average|Lower|Upper|Male|Female|Average|Lower|Upper|
Site 1|1.00E-01|1.10E-01|1.20E-01|1.30E-01|1.40E-01|1.50E-01|1.60E-01|1.70E-01|1.80E-01|1.90E-01|
Site 2|1.00E-02|1.10E-02|1.20E-02|1.30E-02|1.40E-02|1.50E-02|1.60E-02|1.70E-02|1.80E-02|1.90E-02|
Site 3|1.00E-03|1.10E-03|1.20E-03|1.30E-03|1.40E-03|1.50E-03|1.60E-03|1.70E-03|1.80E-03|1.90E-03|
Site 4|1.00E-04|1.10E-04|1.20E-04|1.30E-04|1.40E-04|1.50E-04|1.60E-04|1.70E-04|1.80E-04|1.90E-04|
Site 5|1.00E-05|1.10E-05|1.20E-05|1.30E-05|1.40E-05|1.50E-05|1.60E-05|1.70E-05|1.80E-05|1.90E-05|
Site 6|1.00E-06|1.10E-06|1.20E-06|1.30E-06|1.40E-06|1.50E-06|1.60E-06|1.70E-06|1.80E-06|1.90E-06|
Site 7|1.00E-07|1.10E-07|1.20E-07|1.30E-07|1.40E-07|1.50E-07|1.60E-07|1.70E-07|1.80E-07|1.90E-07|
Site 8|1.00E-08|1.10E-08|1.20E-08|1.30E-08|1.40E-08|1.50E-08|1.60E-08|1.70E-08|1.80E-08|1.90E-08|
Site 9|1.00E-09|1.10E-09|1.20E-09|1.30E-09|1.40E-09|1.50E-09|1.60E-09|1.70E-09|1.80E-09|1.90E-09|
Site 10|1.00E-10|1.10E-10|1.20E-10|1.30E-10|1.40E-10|1.50E-10|1.60E-10|1.70E-10|1.80E-10|1.90E-10|
Site 11|1.00E-11|1.10E-11|1.20E-11|1.30E-11|1.40E-11|1.50E-11|1.60E-11|1.70E-11|1.80E-11|1.90E-11|
Site 12|1.00E-12|1.10E-12|1.20E-12|1.30E-12|1.40E-12|1.50E-12|1.60E-12|1.70E-12|1.80E-12|1.90E-12|
Site 13|1.00E-13|1.10E-13|1.20E-13|1.30E-13|1.40E-13|1.50E-13|1.60E-13|1.70E-13|1.80E-13|1.90E-13|
Site 14|1.00E-14|1.10E-14|1.20E-14|1.30E-14|1.40E-14|1.50E-14|1.60E-14|1.70E-14|1.80E-14|1.90E-14|
Site 15|1.00E-15|1.10E-15|1.20E-15|1.30E-15|1.40E-15|1.50E-15|1.60E-15|1.70E-15|1.80E-15|1.90E-15|
|||||||||||
*Pathway = Food|||||||||||
*f1 = 1.0E-02|||*Mortality|||||*Morbidity|||
Cancer Site|Male|Female|Average|Lower|Upper|Male|Female|Average|Lower|Upper|
Site 16|1.00E-16|1.10E-16|1.20E-16|1.30E-16|1.40E-16|1.50E-16|1.60E-16|1.70E-16|1.80E-16|1.90E-16|
Site 17|1.00E-17|1.10E-17|1.20E-17|1.30E-17|1.40E-17|1.50E-17|1.60E-17|1.70E-17|1.80E-17|1.90E-17|
Site 18|1.00E-18|1.10E-18|1.20E-18|1.30E-18|1.40E-18|1.50E-18|1.60E-18|1.70E-18|1.80E-18|1.90E-18|
Site 19|1.00E-19|1.10E-19|1.20E-19|1.30E-19|1.40E-19|1.50E-19|1.60E-19|1.70E-19|1.80E-19|1.90E-19|
Site 20|1.00E-20|1.10E-20|1.20E-20|1.30E-20|1.40E-20|1.50E-20|1.60E-20|1.70E-20|1.80E-20|1.90E-20|
Site 21|1.00E-21|1.10E-21|1.20E-21|1.30E-21|1.40E-21|1.50E-21|1.60E-21|1.70E-21|1.80E-21|1.90E-21|
Site 22|1.00E-22|1.10E-22|1.20E-22|1.30E-22|1.40E-22|1.50E-22|1.60E-22|1.70E-22|1.80E-22|1.90E-22|
Site 23|1.00E-23|1.10E-23|1.20E-23|1.30E-23|1.40E-23|1.50E-23|1.60E-23|1.70E-23|1.80E-23|1.90E-23|
Site 24|1.00E-24|1.10E-24|1.20E-24|1.30E-24|1.40E-24|1.50E-24|1.60E-24|1.70E-24|1.80E-24|1.90E-24|
Site 25|1.00E-25|1.10E-25|1.20E-25|1.30E-25|1.40E-25|1.50E-25|1.60E-25|1.70E-25|1.80E-25|1.90E-25|
Site 26|1.00E-26|1.10E-26|1.20E-26|1.30E-26|1.40E-26|1.50E-26|1.60E-26|1.70E-26|1.80E-26|1.90E-26|
Site 27|1.00E-27|1.10E-27|1.20E-27|1.30E-27|1.40E-27|1.50E-27|1.60E-27|1.70E-27|1.80E-27|1.90E-27|
Site 28|1.00E-28|1.10E-28|1.20E-28|1.30E-28|1.40E-28|1.50E-28|1.60E-28|1.70E-28|1.80E-28|1.90E-28|
Site 29|1.00E-29|1.10E-29|1.20E-29|1.30E-29|1.40E-29|1.50E-29|1.60E-29|1.70E-29|1.80E-29|1.90E-29|
Site 30|1.00E-30|1.10E-30|1.20E-30|1.30E-30|1.40E-30|1.50E-30|1.60E-30|1.70E-30|1.80E-30|1.90E-30|
|||||||||||
|||||||||||
)";

TEST_F(RiskTablesTest, IngestionGroupWithAndWithoutFormRowMatchesItsLayout) {
    AddIngestion("Cs-137", {{"Water", "Soluble", 0.3, 15}, {"Food", FieldValue(), "1.0E-02", 15}});
    Build(RiskTable::Ingestion, "Cs-137");
    EXPECT_EQ(DescribeGrid(grid), IngestionTwoSectionLayout);
    EXPECT_EQ(grid.Rows(), 43);
    EXPECT_EQ(grid.Cols(), 12);
}

constexpr const char* InhalationOneGroupLayout =
R"(*Inhalation Risk Coefficients|||||||||||
*I-131|||||||||||
*Units = per Bq|||||||||||
|||||||||||
*Type F|||||||||||
*f1 = 1|||*Mortality|||||*Morbidity|||
Cancer Site|Male|Female|Average|Lower|Upper|Male|Female|Average|Lower|Upper|
Site 1|1.00E-01|1.10E-01|1.20E-01|1.30E-01|1.40E-01|1.50E-01|1.60E-01|1.70E-01|1.80E-01|1.90E-01|
Site 2|1.00E-02|1.10E-02|1.20E-02|1.30E-02|1.40E-02|1.50E-02|1.60E-02|1.70E-02|1.80E-02|1.90E-02|
Site 3|1.00E-03|1.10E-03|1.20E-03|1.30E-03|1.40E-03|1.50E-03|1.60E-03|1.70E-03|1.80E-03|1.90E-03|
Site 4|1.00E-04|1.10E-04|1.20E-04|1.30E-04|1.40E-04|1.50E-04|1.60E-04|1.70E-04|1.80E-04|1.90E-04|
Site 5|1.00E-05|1.10E-05|1.20E-05|1.30E-05|1.40E-05|1.50E-05|1.60E-05|1.70E-05|1.80E-05|1.90E-05|
Site 6|1.00E-06|1.10E-06|1.20E-06|1.30E-06|1.40E-06|1.50E-06|1.60E-06|1.70E-06|1.80E-06|1.90E-06|
Site 7|1.00E-07|1.10E-07|1.20E-07|1.30E-07|1.40E-07|1.50E-07|1.60E-07|1.70E-07|1.80E-07|1.90E-07|
Site 8|1.00E-08|1.10E-08|1.20E-08|1.30E-08|1.40E-08|1.50E-08|1.60E-08|1.70E-08|1.80E-08|1.90E-08|
Site 9|1.00E-09|1.10E-09|1.20E-09|1.30E-09|1.40E-09|1.50E-09|1.60E-09|1.70E-09|1.80E-09|1.90E-09|
Site 10|1.00E-10|1.10E-10|1.20E-10|1.30E-10|1.40E-10|1.50E-10|1.60E-10|1.70E-10|1.80E-10|1.90E-10|
Site 11|1.00E-11|1.10E-11|1.20E-11|1.30E-11|1.40E-11|1.50E-11|1.60E-11|1.70E-11|1.80E-11|1.90E-11|
Site 12|1.00E-12|1.10E-12|1.20E-12|1.30E-12|1.40E-12|1.50E-12|1.60E-12|1.70E-12|1.80E-12|1.90E-12|
Site 13|1.00E-13|1.10E-13|1.20E-13|1.30E-13|1.40E-13|1.50E-13|1.60E-13|1.70E-13|1.80E-13|1.90E-13|
Site 14|1.00E-14|1.10E-14|1.20E-14|1.30E-14|1.40E-14|1.50E-14|1.60E-14|1.70E-14|1.80E-14|1.90E-14|
Site 15|1.00E-15|1.10E-15|1.20E-15|1.30E-15|1.40E-15|1.50E-15|1.60E-15|1.70E-15|1.80E-15|1.90E-15|
)";

TEST_F(RiskTablesTest, InhalationGroupMatchesItsLayout) {
    AddInhalation("I-131", {{FieldValue(), "Type F", "1", 15}});
    Build(RiskTable::Inhalation, "I-131");
    EXPECT_EQ(DescribeGrid(grid), InhalationOneGroupLayout);
}

constexpr const char* ExternalGroundPlaneLayout =
R"(*Ground Plane Risk Coefficients|||||||||||
*Co-60|||||||||||
*Units = per Bq s/m2|||*Mortality|||||*Morbidity|||
Cancer Site|Male|Female|Average|Lower|Upper|Male|Female|Average|Lower|Upper|
Site 1|1.00E-01|1.10E-01|1.20E-01|1.30E-01|1.40E-01|1.50E-01|1.60E-01|1.70E-01|1.80E-01|1.90E-01|
Site 2|1.00E-02|1.10E-02|1.20E-02|1.30E-02|1.40E-02|1.50E-02|1.60E-02|1.70E-02|1.80E-02|1.90E-02|
Site 3|1.00E-03|1.10E-03|1.20E-03|1.30E-03|1.40E-03|1.50E-03|1.60E-03|1.70E-03|1.80E-03|1.90E-03|
Site 4|1.00E-04|1.10E-04|1.20E-04|1.30E-04|1.40E-04|1.50E-04|1.60E-04|1.70E-04|1.80E-04|1.90E-04|
Site 5|1.00E-05|1.10E-05|1.20E-05|1.30E-05|1.40E-05|1.50E-05|1.60E-05|1.70E-05|1.80E-05|1.90E-05|
Site 6|1.00E-06|1.10E-06|1.20E-06|1.30E-06|1.40E-06|1.50E-06|1.60E-06|1.70E-06|1.80E-06|1.90E-06|
Site 7|1.00E-07|1.10E-07|1.20E-07|1.30E-07|1.40E-07|1.50E-07|1.60E-07|1.70E-07|1.80E-07|1.90E-07|
Site 8|1.00E-08|1.10E-08|1.20E-08|1.30E-08|1.40E-08|1.50E-08|1.60E-08|1.70E-08|1.80E-08|1.90E-08|
Site 9|1.00E-09|1.10E-09|1.20E-09|1.30E-09|1.40E-09|1.50E-09|1.60E-09|1.70E-09|1.80E-09|1.90E-09|
Site 10|1.00E-10|1.10E-10|1.20E-10|1.30E-10|1.40E-10|1.50E-10|1.60E-10|1.70E-10|1.80E-10|1.90E-10|
Site 11|1.00E-11|1.10E-11|1.20E-11|1.30E-11|1.40E-11|1.50E-11|1.60E-11|1.70E-11|1.80E-11|1.90E-11|
Site 12|1.00E-12|1.10E-12|1.20E-12|1.30E-12|1.40E-12|1.50E-12|1.60E-12|1.70E-12|1.80E-12|1.90E-12|
Site 13|1.00E-13|1.10E-13|1.20E-13|1.30E-13|1.40E-13|1.50E-13|1.60E-13|1.70E-13|1.80E-13|1.90E-13|
Site 14|1.00E-14|1.10E-14|1.20E-14|1.30E-14|1.40E-14|1.50E-14|1.60E-14|1.70E-14|1.80E-14|1.90E-14|
Site 15|1.00E-15|1.10E-15|1.20E-15|1.30E-15|1.40E-15|1.50E-15|1.60E-15|1.70E-15|1.80E-15|1.90E-15|
|||||||||||
)";

TEST_F(RiskTablesTest, ExternalGroupMatchesItsLayout) {
    AddExternal("Co-60", "Ground Plane", 15);
    Build(RiskTable::External, "Co-60", 1, 1, "per Bq s/m2");
    EXPECT_EQ(DescribeGrid(grid), ExternalGroundPlaneLayout);
}

TEST_F(RiskTablesTest, InhalationSectionWithoutFormStartsItsF1RowBelowTheEmptyRow) {
    AddInhalation("I-131", {{FieldValue(), FieldValue(), "0.01", 3}});
    Build(RiskTable::Inhalation, "I-131");
    const auto lines = Lines(grid);
    ASSERT_EQ(lines.size(), 22U);
    EXPECT_EQ(lines[3], EmptyRiskRow);
    EXPECT_EQ(lines[4], "*f1 = 0.01|||*Mortality|||||*Morbidity|||");
    EXPECT_EQ(lines[5], StandardHeadings);
    EXPECT_EQ(lines[6].substr(0, 16), "Site 1|1.00E-01|");
    EXPECT_EQ(lines[8].substr(0, 16), "Site 3|1.00E-03|");
    for (std::size_t r = 9; r < lines.size(); ++r) EXPECT_EQ(lines[r], EmptyRiskRow) << "row " << r;
}

TEST_F(RiskTablesTest, AnEarlierLargerTableLeavesNothingBehind) {
    AddIngestion("Cs-137", EvenSections(90, true));
    AddExternal("Co-60", "Ground Plane", 15);
    Build(RiskTable::Ingestion, "Cs-137");
    ASSERT_EQ(grid.Rows(), 127);
    Build(RiskTable::External, "Co-60", 1, 1, "per Bq s/m2");
    EXPECT_EQ(DescribeGrid(grid), ExternalGroundPlaneLayout);

    Build(RiskTable::Ingestion, "Cs-137");
    Build(RiskTable::Inhalation, "Xe-133");
    EXPECT_EQ(DescribeGrid(grid), NoneAvailableGrid);
    EXPECT_EQ(grid.Rows(), 2);
    EXPECT_EQ(grid.Cols(), 1);
    EXPECT_EQ(grid.ColWidth(0), 3000);
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
    AddRecords(c.Table, "Ba-140", c.Records, c.WithForms);
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
    const std::string externalTitle = "Submersion Risk Coefficients";
    for (int r = 0; r < grid.Rows(); ++r) {
        const std::string& first = grid.TextMatrix(r, 0);
        if (first.rfind("Site ", 0) == 0) {
            EXPECT_EQ(first, "Site " + std::to_string(expected)) << "row " << r;
            ++expected;
            lastRow = r;
        }
        if (first.rfind("Form ", 0) == 0) ++forms;
        if (grid.TextMatrix(r, 3) == "Mortality") ++sections;
        if (first == title || first == externalTitle) titleRows.push_back(r);
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
    ::testing::Values(
        GrowthCase{"Ingestion15NoForm", RiskTable::Ingestion, 15, false, 43, 20, 1, {0}},
        GrowthCase{"Ingestion60Forms", RiskTable::Ingestion, 60, true, 85, 81, 4, {0}},
        GrowthCase{"Ingestion60NoForms", RiskTable::Ingestion, 60, false, 85, 77, 4, {0}},
        GrowthCase{"Ingestion90Forms", RiskTable::Ingestion, 90, true, 127, 121, 6, {0}},
        GrowthCase{"Ingestion90NoForms", RiskTable::Ingestion, 90, false, 127, 115, 6, {0}},
        GrowthCase{"Ingestion40Partial", RiskTable::Ingestion, 40, true, 85, 56, 3, {0}},
        GrowthCase{"Ingestion31Partial", RiskTable::Ingestion, 31, true, 85, 47, 3, {0}},
        GrowthCase{"Inhalation1", RiskTable::Inhalation, 1, false, 22, 6, 1, {0}},
        GrowthCase{"Inhalation15Form", RiskTable::Inhalation, 15, true, 22, 21, 1, {0}},
        GrowthCase{"Inhalation15NoForm", RiskTable::Inhalation, 15, false, 22, 20, 1, {0}},
        GrowthCase{"Inhalation30Forms", RiskTable::Inhalation, 30, true, 43, 41, 2, {0}},
        GrowthCase{"Inhalation45Forms", RiskTable::Inhalation, 45, true, 64, 61, 3, {0}},
        GrowthCase{"Inhalation45NoForms", RiskTable::Inhalation, 45, false, 64, 58, 3, {0}},
        GrowthCase{"Inhalation20Partial", RiskTable::Inhalation, 20, true, 43, 31, 2, {0}},
        GrowthCase{"Inhalation22Partial", RiskTable::Inhalation, 22, false, 43, 31, 2, {0}},
        GrowthCase{"External15", RiskTable::External, 15, false, 20, 18, 1, {0}},
        GrowthCase{"External30", RiskTable::External, 30, false, 40, 38, 2, {0, 20}},
        GrowthCase{"External45", RiskTable::External, 45, false, 60, 58, 3, {0, 20, 40}},
        GrowthCase{"External17Partial", RiskTable::External, 17, false, 40, 25, 2, {0, 20}},
        GrowthCase{"External1", RiskTable::External, 1, false, 20, 4, 1, {0}}),
    [](const ::testing::TestParamInfo<GrowthCase>& info) { return std::string(info.param.Name); });

// ---------------------------------------------------------------------------------------
// What every table shares

class EachRiskTableTest : public RiskTablesTest, public ::testing::WithParamInterface<RiskTable> {
protected:
    // The row of the first record when the table has no form rows.
    int FirstDataRow() const { return GetParam() == RiskTable::External ? 4 : 6; }
    int HeadingRow() const { return FirstDataRow() - 1; }

    void AddSingleRecord(const std::string& nuclide, const std::vector<FieldValue>& displayed, std::int64_t id = 1,
                         const std::string& mode = "Submersion") {
        switch (GetParam()) {
            case RiskTable::Ingestion:
                db.AddIngestionRiskRecord(nuclide, "Water", FieldValue(), "0.1", displayed, id);
                break;
            case RiskTable::Inhalation: db.AddInhalationRiskRecord(nuclide, FieldValue(), "0.1", displayed, id); break;
            case RiskTable::External: db.AddExternalRiskRecord(nuclide, mode, displayed, id); break;
        }
    }
};

std::string RiskTableParamName(const ::testing::TestParamInfo<RiskTable>& info) { return TableName(info.param); }

TEST_P(EachRiskTableTest, CoefficientsAreScaledOnlyWhenTheyReadAsNumbers) {
    AddSingleRecord("Sr-90", {"Lung", 2.0e-10, "4.0E-10", FieldValue(), " 6e-10 ", "n/a", "<1E-10", std::int64_t{0},
                              "1.0E-10x", std::int64_t{3}, -8.0e-10});
    Build(GetParam(), "Sr-90", 0.5);
    EXPECT_EQ(Lines(grid).at(static_cast<std::size_t>(FirstDataRow())),
              "Lung|1.00E-10|2.00E-10||3.00E-10|n/a|<1E-10|0.00E00|1.0E-10x|1.50E00|-4.00E-10|");

    Build(GetParam(), "Sr-90", 1);
    EXPECT_EQ(Lines(grid).at(static_cast<std::size_t>(FirstDataRow())),
              "Lung|2.00E-10|4.00E-10||6.00E-10|n/a|<1E-10|0.00E00|1.0E-10x|3.00E00|-8.00E-10|");
}

TEST_P(EachRiskTableTest, NullCoefficientLeavesOnlyItsOwnCellEmpty) {
    std::vector<FieldValue> row = NumberedRow(9);
    row[5] = FieldValue();
    AddSingleRecord("Sr-90", row);
    Build(GetParam(), "Sr-90");
    EXPECT_EQ(Lines(grid).at(static_cast<std::size_t>(FirstDataRow())),
              "Site 9|1.00E-09|1.10E-09|1.20E-09|1.30E-09||1.50E-09|1.60E-09|1.70E-09|1.80E-09|1.90E-09|");
}

TEST_P(EachRiskTableTest, ShapesTheGridWhateverItHeldBefore) {
    AddSingleRecord("Sr-90", NumberedRow(1));
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

TEST_P(EachRiskTableTest, NuclideWithoutRecordsGivesTheEmptyResultGrid) {
    AddSingleRecord("Sr-90", NumberedRow(1));
    Build(GetParam(), "Sr-90");
    Build(GetParam(), "Sr-89");
    EXPECT_EQ(DescribeGrid(grid), NoneAvailableGrid);
    EXPECT_EQ(grid.Rows(), 2);
    EXPECT_EQ(grid.Cols(), 1);
    EXPECT_EQ(grid.ColWidth(0), 3000);
}

TEST_P(EachRiskTableTest, RecordsOfAnotherTableAreNotShown) {
    // The same nuclide in the two other tables only.
    for (RiskTable other : {RiskTable::Ingestion, RiskTable::Inhalation, RiskTable::External}) {
        if (other == GetParam()) continue;
        AddRecords(other, "Pu-239", 15, true);
    }
    Build(GetParam(), "Pu-239");
    EXPECT_EQ(DescribeGrid(grid), NoneAvailableGrid);
}

TEST_P(EachRiskTableTest, NameWithAnApostropheIsFoundAndCannotWidenTheQuery) {
    AddSingleRecord("O'Brien-1", NumberedRow(2), 1);
    AddSingleRecord("Co-60", NumberedRow(3), 2);
    Build(GetParam(), "O'Brien-1");
    EXPECT_EQ(grid.TextMatrix(1, 0), "O'Brien-1");
    EXPECT_EQ(grid.TextMatrix(FirstDataRow(), 0), "Site 2");
    EXPECT_EQ(grid.TextMatrix(FirstDataRow() + 1, 0), "");

    for (const char* name : {"x' OR '1'='1", "O'Brien-1' OR Nuclide = 'Co-60", "\"Co-60\"", "'", "Co-60'--"}) {
        Build(GetParam(), name);
        EXPECT_EQ(DescribeGrid(grid), NoneAvailableGrid) << name;
    }
}

TEST_P(EachRiskTableTest, TitleShowsTheNuclideAsStored) {
    AddSingleRecord("Cs-137", NumberedRow(1));
    for (const char* typed : {"cs-137", "CS-137"}) {
        Build(GetParam(), typed);
        EXPECT_EQ(grid.TextMatrix(1, 0), "Cs-137") << typed;
    }
}

TEST_P(EachRiskTableTest, MorHeadingsDropTheirFirstNineCharacters) {
    const std::vector<std::string> names = {"Cancer Site",      "Mortality",        "Morbid",
                                            "mortality male",   "Mortality   Spaced  ", "Morbidity Female",
                                            "MortalityX",       "Morning Star Value", "MORTALITY Upper",
                                            "Mortality Male Adult", "Mor"};
    std::string columns;
    for (const auto& name : names) columns += ", \"" + name + "\"";
    std::vector<FieldValue> record;
    switch (GetParam()) {
        case RiskTable::Ingestion:
            db.Execute("DROP TABLE FGR13INGRBS");
            db.Execute("CREATE TABLE FGR13INGRBS (Nuclide, Intake, Form, f_1, ID" + columns + ")");
            record = {"Am-241", "Water", FieldValue(), "0.0005", std::int64_t{1}};
            break;
        case RiskTable::Inhalation:
            db.Execute("DROP TABLE FGR13INHRBS");
            db.Execute("CREATE TABLE FGR13INHRBS (Nuclide, Form, f_1, ID" + columns + ")");
            record = {"Am-241", FieldValue(), "0.0005", std::int64_t{1}};
            break;
        case RiskTable::External:
            db.Execute("DROP TABLE FGR13extRBS");
            db.Execute("CREATE TABLE FGR13extRBS (Nuclide, Mode, ID" + columns + ")");
            record = {"Am-241", "Submersion", std::int64_t{1}};
            break;
    }
    const std::vector<FieldValue> values = NumberedRow(4);
    record.insert(record.end(), values.begin(), values.end());
    const std::string table = GetParam() == RiskTable::Ingestion    ? "FGR13INGRBS"
                              : GetParam() == RiskTable::Inhalation ? "FGR13INHRBS"
                                                                    : "FGR13extRBS";
    db.Insert(table, record);

    Build(GetParam(), "Am-241");
    EXPECT_EQ(Lines(grid).at(static_cast<std::size_t>(HeadingRow())),
              "Cancer Site|||mortality male|Spaced|Female|X|tar Value|MORTALITY Upper|Male Adult||");
}

INSTANTIATE_TEST_SUITE_P(Tables, EachRiskTableTest,
                         ::testing::Values(RiskTable::Ingestion, RiskTable::Inhalation, RiskTable::External),
                         RiskTableParamName);

// ---------------------------------------------------------------------------------------
// Ingestion sections and external geometries

TEST_F(RiskTablesTest, EachIngestionSectionTakesItsHeadingsFromItsFirstRecord) {
    // Every record carries its own intake, form and f1 (named by its ID), so that a
    // heading read from any record but the first of its run shows. The IDs run against
    // the record numbers: record k has ID 100 - k, and the runs begin at IDs 55, 70, 85.
    for (int k = 1; k <= 45; ++k) {
        const std::int64_t id = 100 - k;
        const std::string tag = std::to_string(id);
        const FieldValue form = id >= 70 && id < 85 ? FieldValue() : FieldValue("Form " + tag);
        db.AddIngestionRiskRecord("Ra-226", "Intake " + tag, form, "f " + tag, NumberedRow(k), id);
    }
    Build(RiskTable::Ingestion, "Ra-226");
    ASSERT_EQ(grid.Rows(), 85);
    EXPECT_EQ(grid.TextMatrix(3, 0), "Pathway = Intake 55");
    EXPECT_EQ(grid.TextMatrix(4, 0), "Form 55");
    EXPECT_EQ(grid.TextMatrix(5, 0), "f1 = f 55");
    EXPECT_EQ(grid.TextMatrix(7, 0), "Site 45");
    EXPECT_EQ(grid.TextMatrix(21, 0), "Site 31");
    EXPECT_EQ(grid.TextMatrix(23, 0), "Pathway = Intake 70");
    EXPECT_EQ(grid.TextMatrix(24, 0), "f1 = f 70");
    EXPECT_EQ(grid.TextMatrix(26, 0), "Site 30");
    EXPECT_EQ(grid.TextMatrix(40, 0), "Site 16");
    EXPECT_EQ(grid.TextMatrix(42, 0), "Pathway = Intake 85");
    EXPECT_EQ(grid.TextMatrix(43, 0), "Form 85");
    EXPECT_EQ(grid.TextMatrix(44, 0), "f1 = f 85");
    EXPECT_EQ(grid.TextMatrix(46, 0), "Site 15");
    EXPECT_EQ(grid.TextMatrix(60, 0), "Site 1");
    EXPECT_TRUE(grid.CellFormatAt(43, 0).Bold);
    EXPECT_FALSE(grid.CellFormatAt(45, 0).Bold);
}

TEST_F(RiskTablesTest, NullIntakeAndF1LeaveTheirLabelsAlone) {
    db.AddIngestionRiskRecord("Tc-99", FieldValue(), FieldValue(), FieldValue(), NumberedRow(1), 1);
    Build(RiskTable::Ingestion, "Tc-99");
    const auto lines = Lines(grid);
    EXPECT_EQ(lines.at(3), "*Pathway = |||||||||||");
    EXPECT_EQ(lines.at(4), "*f1 = |||*Mortality|||||*Morbidity|||");
}

TEST_F(RiskTablesTest, SoilVolumeReadsAndTitlesSoilLayerRecords) {
    db.AddExternalRiskRecord("Cs-137", "Soil Volume", NumberedRow(40), 1);
    AddExternal("Cs-137", "Soil Layer", 15, 10);
    Build(RiskTable::External, "Cs-137", 1, 2);
    ASSERT_EQ(grid.Rows(), 20);
    EXPECT_EQ(grid.TextMatrix(0, 0), "Soil Layer Risk Coefficients");
    EXPECT_EQ(grid.TextMatrix(4, 0), "Site 1");
    EXPECT_EQ(grid.TextMatrix(18, 0), "Site 15");
    EXPECT_EQ(grid.TextMatrix(19, 0), "");
}

class ExternalGeometryTest : public RiskTablesTest, public ::testing::WithParamInterface<int> {};

TEST_P(ExternalGeometryTest, RecordsOfOneGeometryLeaveTheOthersEmpty) {
    const char* modes[] = {"Submersion", "Ground Plane", "Soil Layer"};
    const int stored = GetParam();
    AddExternal("Kr-85", modes[stored], 15);
    for (int geometry = 0; geometry < 3; ++geometry) {
        Build(RiskTable::External, "Kr-85", 1, geometry);
        if (geometry == stored) {
            EXPECT_EQ(grid.TextMatrix(0, 0), std::string(modes[stored]) + " Risk Coefficients");
            EXPECT_EQ(grid.Rows(), 20);
        } else {
            EXPECT_EQ(DescribeGrid(grid), NoneAvailableGrid) << "geometry " << geometry;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Geometries, ExternalGeometryTest, ::testing::Values(0, 1, 2));

}  // namespace

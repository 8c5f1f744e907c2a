#include <gtest/gtest.h>

#include "Database.h"
#include "DatabaseError.h"
#include "FixtureDatabase.h"
#include "StartUpReaders.h"

namespace quorvel {
namespace {

using test::FixtureDatabase;

TEST(ReadAgeUnits, ReadsTheGroupsInStoredOrder) {
    FixtureDatabase fixture;
    fixture.CreateAgeUnits({{"Adult", 7300}, {"3 Months", 100}, {"1 Year", 365}});
    auto database = OpenDatabase(fixture.Path());
    const AgeGroups ages = ReadAgeUnits(*database);
    EXPECT_EQ(ages.AgeGroupCount(), 3);
    EXPECT_EQ(ages.AgeGroupNames, (std::vector<std::string>{"Adult", "3 Months", "1 Year"}));
    EXPECT_EQ(ages.AgeGroupDays, (std::vector<double>{7300, 100, 365}));
}

TEST(ReadUnitTables, NineFieldsGiveFourCategoriesWithCountsAtPositionZero) {
    FixtureDatabase fixture;
    fixture.CreateUnitTable("Dose Units", {{{"Sv/Bq", 1}, {"mSv/Bq", 1000}, {"rem/Ci", 3.7e12}},
                                           {{"Sv m3/(Bq s)", 1}},
                                           {},
                                           {{"a", 2}, {"b", 3}}});
    fixture.CreateUnitTable("Risk Units", {{{"per Bq", 1}}, {}, {}, {}});

    const UnitTables tables = ReadUnitTables(fixture.Path(), "Risk Units", "Dose Units");
    const UnitTable& dose = tables.DoseUnits;
    EXPECT_EQ(dose.CategoryCount(), 4);
    EXPECT_EQ(dose.UnitCount(1), 3);
    EXPECT_EQ(dose.UnitCount(3), 0) << "a category without units";
    EXPECT_EQ(dose.UnitCount(5), 0) << "a category the table does not have";
    EXPECT_EQ(dose.Labels[1], (std::vector<std::string>{"3", "Sv/Bq", "mSv/Bq", "rem/Ci"}));
    EXPECT_EQ(dose.Factors[1], (std::vector<double>{3, 1, 1000, 3.7e12}));
    EXPECT_EQ(dose.Labels[4][0], "2");
    EXPECT_EQ(dose.Labels[4][2], "b");
    EXPECT_EQ(dose.Factors[4][2], 3);
    EXPECT_EQ(dose.Labels[2].size(), 4U) << "every category spans the largest count";
    EXPECT_EQ(tables.RiskUnits.UnitCount(1), 1);
    EXPECT_EQ(tables.RiskUnits.Labels[1][1], "per Bq");
}

TEST(ReadUnitTables, UnitsComeFromTheRecordsInStoredOrderNotFromTheCountRecord) {
    FixtureDatabase fixture;
    fixture.CreateStandardUnitTables();
    fixture.Execute(R"(UPDATE "Dose Units" SET Factors1 = 99 WHERE ID = 0)");
    const UnitTables tables = ReadUnitTables(fixture.Path(), "Risk Units", "Dose Units");
    EXPECT_EQ(tables.DoseUnits.Factors[1][0], 3) << "the count record's factor field is not read";
    EXPECT_EQ(tables.DoseUnits.Labels[1][1], "Sv/Bq");
}

TEST(ReadUnitTables, MalformedTablesFail) {
    struct Case {
        const char* Name;
        const char* Setup;
    };
    const Case cases[] = {
        {"even field count", R"(CREATE TABLE "Dose Units" (ID, U1, F1, U2))"},
        {"empty table", R"(CREATE TABLE "Dose Units" (ID, U1, F1))"},
        {"count beyond the records",
         R"(CREATE TABLE "Dose Units" (ID, U1, F1); INSERT INTO "Dose Units" VALUES (0, '3', NULL), (1, 'Sv/Bq', 1), (2, 'mSv/Bq', 1000))"},
        {"count that is no number", R"(CREATE TABLE "Dose Units" (ID, U1, F1); INSERT INTO "Dose Units" VALUES (0, 'two', NULL))"},
        {"fractional count", R"(CREATE TABLE "Dose Units" (ID, U1, F1); INSERT INTO "Dose Units" VALUES (0, '0.5', NULL))"},
        {"Null factor", R"(CREATE TABLE "Dose Units" (ID, U1, F1); INSERT INTO "Dose Units" VALUES (0, '1', NULL), (1, 'Sv/Bq', NULL))"},
        {"missing table", ""},
    };
    for (const Case& c : cases) {
        FixtureDatabase fixture;
        fixture.CreateUnitTable("Risk Units", {{{"per Bq", 1}}});
        if (*c.Setup) fixture.Execute(c.Setup);
        EXPECT_THROW(ReadUnitTables(fixture.Path(), "Risk Units", "Dose Units"), DatabaseError) << c.Name;
    }
}

}  // namespace
}  // namespace quorvel

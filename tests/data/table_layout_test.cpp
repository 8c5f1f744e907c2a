// The tables have the fields the viewer reads by position, the records it expects, and
// nuclide names that the nuclide list can offer.
#include "built_database.hpp"

#include <gtest/gtest.h>

#include <set>

namespace quorvel::data {
namespace {

const test::BuiltDatabase& db() { return test::BuiltDatabase::instance(); }

TEST(TableLayout, RecordCountsPerTable)
{
    EXPECT_EQ(db().count("SELECT count(*) FROM \"Age Units\""), 6);
    EXPECT_EQ(db().count("SELECT count(*) FROM Nuke2"), 826);
    for (const char* table : {"F12TIII1", "F12TIII3", "F12TIII7"})
        EXPECT_EQ(db().count(std::string("SELECT count(*) FROM ") + table), 825) << table;
    // Every line of FGR13ING.GDB after its two header lines, and six ages of the five ICRP-72
    // nuclides the data package lacks.
    EXPECT_EQ(db().count("SELECT count(*) FROM Fgr13ingGDB"), 5382 + 5 * 6);
    // The organ set and ICRP-72 rows, with 24 ICRP-72 absorption types the organ set lacks.
    EXPECT_EQ(db().count("SELECT count(*) FROM Fgr13inhHDB"), 11136 + 24 * 6);
    EXPECT_EQ(db().count("SELECT count(*) FROM FGR13INGRBS"), 757 * 30);
    for (const char* table : {"FGR13INHRBS", "FGR13extRBS"})
        EXPECT_EQ(db().count(std::string("SELECT count(*) FROM ") + table), 0) << table;
    // The report states the same counts.
    for (const auto& [table, records] : db().report().tableCounts())
        EXPECT_EQ(db().count("SELECT count(*) FROM \"" + table + "\""), records) << table;
}

TEST(TableLayout, AgeUnits)
{
    EXPECT_EQ(db().fieldNames("Age Units"), (std::vector<std::string>{"Description", "NumberOfDays"}));
    std::vector<std::optional<std::string>> rows = db().texts(
        "SELECT Description || '=' || NumberOfDays FROM \"Age Units\" ORDER BY rowid");
    EXPECT_EQ(rows, (std::vector<std::optional<std::string>>{"3 Months=100", "1 Year=365", "5 Years=1825",
                                                            "10 Years=3650", "15 Years=5475", "Adult=7300"}));
}

TEST(TableLayout, NuclideListFitsTheListEntryLayout)
{
    const auto names = db().fieldNames("Nuke2");
    ASSERT_GE(names.size(), 5u);
    EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 5),
              (std::vector<std::string>{"Z", "Element", "Nuclide", "T1/2", "Int/Ext"}));
    EXPECT_EQ(db().count("SELECT count(*) FROM Nuke2 WHERE length(Z) > 3 OR length(Element) > 13 "
                         "OR length(Nuclide) > 9 OR Z IS NULL OR Element IS NULL OR \"T1/2\" IS NULL"), 0);
    EXPECT_EQ(db().count("SELECT count(*) FROM Nuke2 WHERE \"Int/Ext\" NOT IN ('I', 'E', 'I/E')"), 0);
    EXPECT_EQ(db().count("SELECT count(DISTINCT Nuclide) FROM Nuke2"), 826);
    EXPECT_EQ(db().text("SELECT Element || ' ' || Z || ' ' || \"Int/Ext\" FROM Nuke2 WHERE Nuclide = 'Cs-137'"),
              "Caesium 55 I/E");
    EXPECT_EQ(db().text("SELECT \"Int/Ext\" FROM Nuke2 WHERE Nuclide = 'Ir-193m'"), "I");
    EXPECT_EQ(db().text("SELECT \"Int/Ext\" FROM Nuke2 WHERE Nuclide = 'N-13'"), "E");
    // Stored order: atomic number, then mass number, then isomer.
    const auto order = db().texts("SELECT Nuclide FROM Nuke2 WHERE Z IN (1, 63) ORDER BY rowid");
    ASSERT_GE(order.size(), 4u);
    EXPECT_EQ(order[0], "H-3");
    const auto eu150a = std::find(order.begin(), order.end(), std::optional<std::string>("Eu-150a"));
    ASSERT_NE(eu150a, order.end());
    EXPECT_EQ(*(eu150a + 1), "Eu-150b");
    EXPECT_EQ(*(eu150a + 2), "Eu-152");
    EXPECT_EQ(db().count("SELECT count(*) FROM Nuke2 a JOIN Nuke2 b ON a.rowid + 1 = b.rowid WHERE a.Z > b.Z"), 0);
}

TEST(TableLayout, EveryCoefficientNuclideIsInTheNuclideList)
{
    for (const char* table : {"F12TIII1", "F12TIII3", "F12TIII7", "Fgr13ingGDB", "Fgr13inhHDB"})
        EXPECT_EQ(db().count(std::string("SELECT count(*) FROM ") + table +
                             " WHERE Nuclide NOT IN (SELECT Nuclide FROM Nuke2)"), 0) << table;
    // And no entry of the list is without coefficients.
    EXPECT_EQ(db().count("SELECT count(*) FROM Nuke2 WHERE Nuclide NOT IN (SELECT Nuclide FROM F12TIII1 UNION "
                         "SELECT Nuclide FROM Fgr13ingGDB UNION SELECT Nuclide FROM Fgr13inhHDB)"), 0);
    // Chemical forms are not nuclides.
    EXPECT_EQ(db().count("SELECT count(*) FROM Nuke2 WHERE Nuclide GLOB '*[_(]*' OR Nuclide IN ('HTO', 'OBT') "
                         "OR Nuclide LIKE '%org%'"), 0);
}

TEST(TableLayout, ExternalDoseTablesByPosition)
{
    for (const char* table : {"F12TIII1", "F12TIII3", "F12TIII7"}) {
        const auto names = db().fieldNames(table);
        ASSERT_EQ(names.size(), 31u) << table;
        EXPECT_EQ(names[0], "Nuclide");
        EXPECT_EQ(names[2], "Adrenals");
        EXPECT_EQ(names[3], "Bladder Wall");
        EXPECT_EQ(names[10], "Upper Large Intestine Wall");
        EXPECT_EQ(names[11], "Lower Large Intestine Wall");
        EXPECT_EQ(names[25], "Effective Dose Equivalent (H subE)");
        EXPECT_EQ(names[26], "Effective Dose (E)");
        EXPECT_NE(names[27].find("Not Tabulated"), std::string::npos);
        EXPECT_NE(names[28].find("Not Tabulated"), std::string::npos);
        EXPECT_EQ(names[29], "ID");
        EXPECT_EQ(names[30], "Source");
        const auto types = db().fieldTypes(table);
        EXPECT_EQ(types[0], "TEXT");
        EXPECT_EQ(types[2], "REAL");
        EXPECT_EQ(types[29], "INTEGER");
        EXPECT_EQ(db().count(std::string("SELECT count(*) FROM ") + table + " WHERE \"" + names[27] +
                             "\" IS NOT NULL OR \"" + names[28] + "\" IS NOT NULL"), 0);
        EXPECT_EQ(db().count(std::string("SELECT count(DISTINCT ID) FROM ") + table), 825);
    }
    EXPECT_EQ(db().text("SELECT \"Nuclide and Half-life\" FROM F12TIII1 WHERE Nuclide = 'Co-60'"),
              "Co-60, T1/2 = 5.2713 y (FGR-12 Table III.1)");
}

TEST(TableLayout, InternalDoseTablesByPosition)
{
    for (const char* table : {"Fgr13ingGDB", "Fgr13inhHDB"}) {
        const auto names = db().fieldNames(table);
        ASSERT_GT(names.size(), 40u);
        const std::vector<std::pair<std::size_t, std::string>> expected = {
            {0, "Nuclide"}, {3, "Age"}, {5, "Nlet"}, {6, "LET Type"}, {7, "Adrenals"}, {8, "Bladder Wall"},
            {9, "Bone Surface"}, {10, "Brain"}, {11, "Breasts"}, {12, "Stomach Wall"}, {13, "Small Intestine Wall"},
            {14, "Upper Large Intestine Wall"}, {15, "Lower Large Intestine Wall"}, {16, "Kidneys"}, {17, "Liver"},
            {26, "Muscle"}, {27, "Ovaries"}, {28, "Pancreas"}, {29, "Red Marrow"}, {30, "Skin"}, {31, "Spleen"},
            {32, "Testes"}, {33, "Thymus"}, {34, "Thyroid"}, {35, "Uterus"}, {36, "Lungs"}, {37, "Remainder"},
            {38, "Gall Bladder Wall"}, {40, "ID"}};
        for (const auto& [position, name] : expected)
            EXPECT_EQ(names[position], name) << table << " position " << position;
        EXPECT_EQ(names[4].rfind("f1", 0), 0u);
        EXPECT_EQ(names[39].rfind("Effective", 0), 0u);
        // Full names, not the source's abbreviations.
        for (std::size_t position = 18; position <= 25; ++position)
            EXPECT_GT(names[position].size(), 8u) << names[position];
        EXPECT_EQ(db().count(std::string("SELECT count(*) FROM ") + table +
                             " WHERE Age NOT IN (SELECT NumberOfDays FROM \"Age Units\")"), 0);
        EXPECT_EQ(db().count(std::string("SELECT count(*) FROM ") + table + " WHERE \"LET Type\" NOT IN ('L', 'H')"), 0);
    }
}

// Per nuclide and age the viewer reads blocks of Nlet records in ID order and stacks the k-th
// block of every age in the same rows.
TEST(TableLayout, BlocksAreWholeAndFormsComeInTheSameOrderAtEveryAge)
{
    for (const char* table : {"Fgr13ingGDB", "Fgr13inhHDB"}) {
        const std::string t = table;
        // A block of two is a low-LET record followed by its high-LET record.
        EXPECT_EQ(db().count("SELECT count(*) FROM " + t + " a WHERE a.Nlet = 2 AND a.\"LET Type\" = 'L' AND NOT EXISTS "
                             "(SELECT 1 FROM " + t + " b WHERE b.ID = a.ID + 1 AND b.\"LET Type\" = 'H' AND b.Nlet = 2 "
                             "AND b.Nuclide = a.Nuclide AND b.Age = a.Age AND b.Form = a.Form)"), 0) << t;
        // A block of one high-LET record (a pure alpha emitter) holds its own effective dose.
        EXPECT_EQ(db().count("SELECT count(*) FROM " + t + " WHERE Nlet NOT IN (1, 2) OR (Nlet = 1 AND \"LET Type\" = 'H' "
                             "AND \"Effective Dose (e50)\" IS NULL)"), 0);
        // The same list of forms, in the same order, at every age.
        EXPECT_EQ(db().count("SELECT count(*) FROM (SELECT Nuclide, Age, group_concat(Form, '|') AS forms FROM "
                             "(SELECT * FROM " + t + " WHERE \"LET Type\" = 'L' ORDER BY ID) GROUP BY Nuclide, Age) a "
                             "JOIN (SELECT Nuclide, Age, group_concat(Form, '|') AS forms FROM (SELECT * FROM " + t +
                             " WHERE \"LET Type\" = 'L' ORDER BY ID) GROUP BY Nuclide, Age) b "
                             "ON a.Nuclide = b.Nuclide AND a.forms <> b.forms"), 0) << t;
        EXPECT_EQ(db().count("SELECT count(*) FROM (SELECT Nuclide, count(DISTINCT Age) AS ages FROM " + t +
                             " GROUP BY Nuclide) WHERE ages <> 6"), 0) << t;
    }
    const auto tritium = db().texts("SELECT Form FROM Fgr13ingGDB WHERE Nuclide = 'H-3' AND Age = 365 ORDER BY ID");
    ASSERT_EQ(tritium.size(), 2u);
    EXPECT_NE(tritium[0]->find("water"), std::string::npos);
    EXPECT_NE(tritium[1]->find("organically bound"), std::string::npos);
}

// No two blocks of one nuclide, age and table read the same above the values.
TEST(TableLayout, EveryFormOfANuclideHasItsOwnHeading)
{
    for (const char* table : {"Fgr13ingGDB", "Fgr13inhHDB"})
        EXPECT_EQ(db().count(std::string("SELECT count(*) FROM (SELECT count(*) AS blocks FROM ") + table +
                             " WHERE \"LET Type\" = 'L' OR Nlet = 1 GROUP BY Nuclide, Age, Form) WHERE blocks > 1"), 0)
            << table;
    // The two iodine vapours of the organ set, which ICRP-72 lists in the other order.
    const auto iodine = db().texts("SELECT Form FROM Fgr13inhHDB WHERE Nuclide = 'I-131' AND Age = 7300 "
                                   "AND \"Absorption Type\" = 'V' ORDER BY ID");
    ASSERT_EQ(iodine.size(), 2u);
    EXPECT_EQ(iodine[0]->rfind("form 1 of 2", 0), 0u);
    EXPECT_EQ(iodine[1]->rfind("form 2 of 2", 0), 0u);
    // Caesium-137 Type S, from ICRP-72, after the organ set's types F and M.
    const auto caesium = db().texts("SELECT \"Absorption Type\" || ' ' || Form FROM Fgr13inhHDB "
                                    "WHERE Nuclide = 'Cs-137' AND Age = 7300 ORDER BY ID");
    ASSERT_EQ(caesium.size(), 3u);
    EXPECT_EQ(caesium[2]->rfind("S ", 0), 0u);
    EXPECT_NE(caesium[2]->find("ICRP-72"), std::string::npos);
}

TEST(TableLayout, OrganSetSupersedesIcrpForItsNuclides)
{
    EXPECT_EQ(db().count("SELECT count(DISTINCT Nuclide) FROM Fgr13ingGDB WHERE Form LIKE '%FGR-13 organ doses%'"), 733);
    EXPECT_EQ(db().count("SELECT count(*) FROM Fgr13ingGDB a JOIN Fgr13ingGDB b ON a.Nuclide = b.Nuclide "
                         "WHERE a.Form LIKE '%FGR-13%' AND b.Form LIKE '%ICRP-72%'"), 0);
    EXPECT_EQ(db().count("SELECT count(*) FROM Fgr13ingGDB WHERE Form LIKE '%ICRP-72%' AND \"Bone Surface\" IS NOT NULL"), 0);
}

TEST(TableLayout, RiskTablesHaveTheirFields)
{
    const auto ingestion = db().fieldNames("FGR13INGRBS");
    const auto inhalation = db().fieldNames("FGR13INHRBS");
    const auto external = db().fieldNames("FGR13extRBS");
    ASSERT_EQ(ingestion.size(), 17u);
    ASSERT_EQ(inhalation.size(), 16u);
    ASSERT_EQ(external.size(), 15u);
    EXPECT_EQ(std::set<std::string>(ingestion.begin(), ingestion.begin() + 5),
              (std::set<std::string>{"Nuclide", "Intake", "Form", "f_1", "ID"}));
    EXPECT_EQ(std::set<std::string>(inhalation.begin(), inhalation.begin() + 4),
              (std::set<std::string>{"Nuclide", "Form", "f_1", "ID"}));
    EXPECT_EQ(std::set<std::string>(external.begin(), external.begin() + 3),
              (std::set<std::string>{"Nuclide", "Mode", "ID"}));
    auto checkDisplayed = [](const std::vector<std::string>& names, std::size_t first) {
        EXPECT_EQ(names[first].rfind("Mor", 0), std::string::npos);
        for (std::size_t k = 1; k <= 5; ++k) {
            EXPECT_EQ(names[first + k].rfind("Mortality ", 0), 0u) << names[first + k];
            EXPECT_EQ(names[first + 5 + k].rfind("Morbidity ", 0), 0u) << names[first + 5 + k];
            EXPECT_GT(names[first + k].size(), 10u) << "heading from the tenth character on would be empty";
        }
        // The viewer's heading of the fifth of each: the lifetime coefficient, ages 0-110.
        for (std::size_t k : {first + 5, first + 10})
            EXPECT_NE(names[k].substr(9).find("0-110"), std::string::npos) << names[k];
        EXPECT_EQ(names.back(), "Source");
    };
    checkDisplayed(ingestion, 5);
    checkDisplayed(inhalation, 4);
    checkDisplayed(external, 3);
}

}  // namespace
}  // namespace quorvel::data

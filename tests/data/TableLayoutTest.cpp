// The tables have the fields the viewer reads by position, the records it expects, and
// nuclide names that the nuclide list can offer.
#include <gtest/gtest.h>
#include <set>

#include "BuiltDatabase.h"

namespace quorvel::data {
namespace {

const test::BuiltDatabase& Db() { return test::BuiltDatabase::Instance(); }

TEST(TableLayout, RecordCountsPerTable) {
    EXPECT_EQ(Db().Count("SELECT count(*) FROM \"Age Units\""), 6);
    EXPECT_EQ(Db().Count("SELECT count(*) FROM Nuke2"), 826);
    for (const char* table : {"F12TIII1", "F12TIII3", "F12TIII7"})
        EXPECT_EQ(Db().Count(std::string("SELECT count(*) FROM ") + table), 825) << table;
    // Every line of FGR13ING.GDB after its two header lines, and six ages of the five ICRP-72
    // nuclides the data package lacks.
    EXPECT_EQ(Db().Count("SELECT count(*) FROM Fgr13ingGDB"), 5382 + 5 * 6);
    // The organ set and ICRP-72 rows, with 24 ICRP-72 absorption types the organ set lacks.
    EXPECT_EQ(Db().Count("SELECT count(*) FROM Fgr13inhHDB"), 11136 + 24 * 6);
    EXPECT_EQ(Db().Count("SELECT count(*) FROM FGR13INGRBS"), 757 * 30);
    for (const char* table : {"FGR13INHRBS", "FGR13extRBS"})
        EXPECT_EQ(Db().Count(std::string("SELECT count(*) FROM ") + table), 0) << table;
    // The report states the same counts.
    for (const auto& [table, records] : Db().Report().TableCounts())
        EXPECT_EQ(Db().Count("SELECT count(*) FROM \"" + table + "\""), records) << table;
}

TEST(TableLayout, NuclideListFitsTheListEntryLayout) {
    const auto names = Db().FieldNames("Nuke2");
    ASSERT_GE(names.size(), 5u);
    EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 5),
              (std::vector<std::string>{"Z", "Element", "Nuclide", "T1/2", "Int/Ext"}));
    EXPECT_EQ(Db().Count("SELECT count(*) FROM Nuke2 WHERE length(Z) > 3 OR length(Element) > 13 "
                         "OR length(Nuclide) > 9 OR Z IS NULL OR Element IS NULL OR \"T1/2\" IS NULL"),
              0);
    EXPECT_EQ(Db().Count("SELECT count(*) FROM Nuke2 WHERE \"Int/Ext\" NOT IN ('I', 'E', 'I/E')"), 0);
    EXPECT_EQ(Db().Count("SELECT count(DISTINCT Nuclide) FROM Nuke2"), 826);
    EXPECT_EQ(Db().Text("SELECT Element || ' ' || Z || ' ' || \"Int/Ext\" FROM Nuke2 WHERE Nuclide = 'Cs-137'"),
              "Caesium 55 I/E");
    EXPECT_EQ(Db().Text("SELECT \"Int/Ext\" FROM Nuke2 WHERE Nuclide = 'Ir-193m'"), "I");
    EXPECT_EQ(Db().Text("SELECT \"Int/Ext\" FROM Nuke2 WHERE Nuclide = 'N-13'"), "E");
    // Stored order: atomic number, then mass number, then isomer.
    const auto order = Db().Texts("SELECT Nuclide FROM Nuke2 WHERE Z IN (1, 63) ORDER BY rowid");
    ASSERT_GE(order.size(), 4u);
    EXPECT_EQ(order[0], "H-3");
    const auto eu150a = std::find(order.begin(), order.end(), std::optional<std::string>("Eu-150a"));
    ASSERT_NE(eu150a, order.end());
    EXPECT_EQ(*(eu150a + 1), "Eu-150b");
    EXPECT_EQ(*(eu150a + 2), "Eu-152");
    EXPECT_EQ(Db().Count("SELECT count(*) FROM Nuke2 a JOIN Nuke2 b ON a.rowid + 1 = b.rowid WHERE a.Z > b.Z"), 0);
}

TEST(TableLayout, EveryCoefficientNuclideIsInTheNuclideList) {
    for (const char* table : {"F12TIII1", "F12TIII3", "F12TIII7", "Fgr13ingGDB", "Fgr13inhHDB"})
        EXPECT_EQ(Db().Count(std::string("SELECT count(*) FROM ") + table +
                             " WHERE Nuclide NOT IN (SELECT Nuclide FROM Nuke2)"),
                  0)
            << table;
    // And no entry of the list is without coefficients.
    EXPECT_EQ(Db().Count("SELECT count(*) FROM Nuke2 WHERE Nuclide NOT IN (SELECT Nuclide FROM F12TIII1 UNION "
                         "SELECT Nuclide FROM Fgr13ingGDB UNION SELECT Nuclide FROM Fgr13inhHDB)"),
              0);
    // Chemical forms are not nuclides.
    EXPECT_EQ(Db().Count("SELECT count(*) FROM Nuke2 WHERE Nuclide GLOB '*[_(]*' OR Nuclide IN ('HTO', 'OBT') "
                         "OR Nuclide LIKE '%org%'"),
              0);
}

// Per nuclide and age the viewer reads blocks of Nlet records in ID order and stacks the k-th
// block of every age in the same rows.
TEST(TableLayout, BlocksAreWholeAndFormsComeInTheSameOrderAtEveryAge) {
    for (const char* table : {"Fgr13ingGDB", "Fgr13inhHDB"}) {
        const std::string t = table;
        // A block of two is a low-LET record followed by its high-LET record.
        EXPECT_EQ(Db().Count("SELECT count(*) FROM " + t +
                             " a WHERE a.Nlet = 2 AND a.\"LET Type\" = 'L' AND NOT EXISTS "
                             "(SELECT 1 FROM " +
                             t +
                             " b WHERE b.ID = a.ID + 1 AND b.\"LET Type\" = 'H' AND b.Nlet = 2 "
                             "AND b.Nuclide = a.Nuclide AND b.Age = a.Age AND b.Form = a.Form)"),
                  0)
            << t;
        // A block of one high-LET record (a pure alpha emitter) holds its own effective dose.
        EXPECT_EQ(Db().Count("SELECT count(*) FROM " + t +
                             " WHERE Nlet NOT IN (1, 2) OR (Nlet = 1 AND \"LET Type\" = 'H' "
                             "AND \"Effective Dose (e50)\" IS NULL)"),
                  0);
        // The same list of forms, in the same order, at every age.
        EXPECT_EQ(Db().Count("SELECT count(*) FROM (SELECT Nuclide, Age, group_concat(Form, '|') AS forms FROM "
                             "(SELECT * FROM " +
                             t +
                             " WHERE \"LET Type\" = 'L' ORDER BY ID) GROUP BY Nuclide, Age) a "
                             "JOIN (SELECT Nuclide, Age, group_concat(Form, '|') AS forms FROM (SELECT * FROM " +
                             t +
                             " WHERE \"LET Type\" = 'L' ORDER BY ID) GROUP BY Nuclide, Age) b "
                             "ON a.Nuclide = b.Nuclide AND a.forms <> b.forms"),
                  0)
            << t;
        EXPECT_EQ(Db().Count("SELECT count(*) FROM (SELECT Nuclide, count(DISTINCT Age) AS ages FROM " + t +
                             " GROUP BY Nuclide) WHERE ages <> 6"),
                  0)
            << t;
    }
    const auto tritium = Db().Texts("SELECT Form FROM Fgr13ingGDB WHERE Nuclide = 'H-3' AND Age = 365 ORDER BY ID");
    ASSERT_EQ(tritium.size(), 2u);
    EXPECT_NE(tritium[0]->find("water"), std::string::npos);
    EXPECT_NE(tritium[1]->find("organically bound"), std::string::npos);
}

TEST(TableLayout, IcrpInhalationTypesAndGasesFollowTheOrganSet) {
    // Be-7 has no organ doses: its ICRP-72 values for types M and S, in file order.
    const auto be7 = Db().Texts("SELECT \"Effective Dose (e50)\" FROM Fgr13inhHDB WHERE Nuclide = 'Be-7' AND Age = 7300 "
                                "ORDER BY ID");
    ASSERT_EQ(be7.size(), 2u);
    EXPECT_DOUBLE_EQ(std::stod(be7[0].value()), 5e-11);
    EXPECT_DOUBLE_EQ(std::stod(be7[1].value()), 5.5e-11);
    // Ni-56 as particulate types from Annex G, then as nickel carbonyl vapour from Annex H (1.2E-09).
    const auto forms = Db().Texts("SELECT Form || ' ' || \"Effective Dose (e50)\" FROM Fgr13inhHDB "
                                  "WHERE Nuclide = 'Ni-56' AND Age = 7300 ORDER BY ID");
    ASSERT_FALSE(forms.empty());
    EXPECT_NE(forms.back()->find("Gas or vapour"), std::string::npos) << *forms.back();
    EXPECT_DOUBLE_EQ(std::stod(forms.back()->substr(forms.back()->rfind(' '))), 1.2e-9);
}

}  // namespace
}  // namespace quorvel::data

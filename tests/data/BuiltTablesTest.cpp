// The built database's tables against the source files and the definitions of the units.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <sstream>

#include "BuiltDatabase.h"
#include "SourceLines.h"

namespace quorvel::data {
namespace {

const test::BuiltDatabase& Db() { return test::BuiltDatabase::Instance(); }

// ---------------------------------------------------------------------------------------
// The tables have the fields the viewer reads by position, the records it expects, and
// nuclide names that the nuclide list can offer.

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
    // Workers, Annex A up to its first empty row: 848 rows with ingestion cells, of which
    // Pa-227 repeats one pair; 1327 rows of type F, M, S or F§, of which four repeat Pa-227
    // and Pa-228. Annex B's 81 gases and vapours; Annex A's nine gas rows are among them.
    EXPECT_EQ(Db().Count("SELECT count(*) FROM Icrp68Ingestion"), 848 - 1);
    EXPECT_EQ(Db().Count("SELECT count(*) FROM Icrp68Inhalation"), 1327 - 4);
    EXPECT_EQ(Db().Count("SELECT count(*) FROM Icrp68Gases"), 81);
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
    for (const char* table : {"F12TIII1", "F12TIII3", "F12TIII7", "Fgr13ingGDB", "Fgr13inhHDB", "Icrp68Ingestion",
                              "Icrp68Inhalation", "Icrp68Gases"})
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
    const auto be7 = Db().Texts(
        "SELECT \"Effective Dose (e50)\" FROM Fgr13inhHDB WHERE Nuclide = 'Be-7' AND Age = 7300 "
        "ORDER BY ID");
    ASSERT_EQ(be7.size(), 2u);
    EXPECT_DOUBLE_EQ(std::stod(be7[0].value()), 5e-11);
    EXPECT_DOUBLE_EQ(std::stod(be7[1].value()), 5.5e-11);
    // Ni-56 as particulate types from Annex G, then as nickel carbonyl vapour from Annex H (1.2E-09).
    const auto forms = Db().Texts(
        "SELECT Form || ' ' || \"Effective Dose (e50)\" FROM Fgr13inhHDB "
        "WHERE Nuclide = 'Ni-56' AND Age = 7300 ORDER BY ID");
    ASSERT_FALSE(forms.empty());
    EXPECT_NE(forms.back()->find("Gas or vapour"), std::string::npos) << *forms.back();
    EXPECT_DOUBLE_EQ(std::stod(forms.back()->substr(forms.back()->rfind(' '))), 1.2e-9);
}

// ---------------------------------------------------------------------------------------
// The ingestion risk coefficients of the FGR-13 data package as the viewer reads them, the
// names of the forms of one nuclide, and the source line every coefficient record names.

TEST(IngestionRisk, EveryFormIsAGroupOfThirtyInFileOrder) {
    // Record after record follows the file line after line past its three header lines.
    EXPECT_EQ(Db().Count("SELECT count(*) FROM FGR13INGRBS WHERE Source <> 'fgr13pak/FGR13ING.RBS:' || (ID + 3)"), 0);
    // Per form a run of 15 sites for tap water, then 15 for food, one nuclide, form and f1.
    EXPECT_EQ(Db().Count("SELECT count(*) FROM FGR13INGRBS WHERE Intake <> "
                         "CASE WHEN (ID - 1) % 30 < 15 THEN 'Tap Water' ELSE 'Food' END"),
              0);
    EXPECT_EQ(
        Db().Count("SELECT count(*) FROM (SELECT count(DISTINCT Nuclide || '|' || ifnull(Form, '') || '|' || f_1) "
                   "AS forms FROM FGR13INGRBS GROUP BY (ID - 1) / 30) WHERE forms <> 1"),
        0);
    // The sites as the file names them, capitalised, the total last.
    const auto lines = ReadSourceLines(test::SourcesDirectory() / "fgr13pak/FGR13ING.RBS");
    const auto sites = Db().Texts("SELECT \"Cancer Site\" FROM FGR13INGRBS ORDER BY ID");
    ASSERT_EQ(sites.size() + 4, lines.size()) << "three header lines and the closing note";
    for (std::size_t k = 0; k < sites.size(); ++k) {
        std::string site = Trimmed(lines[k + 3].Text.substr(24, 9));
        site.front() = static_cast<char>(std::toupper(static_cast<unsigned char>(site.front())));
        ASSERT_EQ(sites[k], site) << lines[k + 3].Number;
    }
    EXPECT_EQ(Db().Count("SELECT count(*) FROM FGR13INGRBS WHERE ((ID - 1) % 15 = 14) <> (\"Cancer Site\" = 'Total')"),
              0);
}

// "file:line", the file relative to the sources directory; the line holds the record's values.
TEST(Provenance, EveryCoefficientRecordNamesItsSourceLine) {
    std::map<std::string, std::vector<SourceLine>> files;
    for (const char* table : {"F12TIII1", "F12TIII3", "F12TIII7", "Fgr13ingGDB", "Fgr13inhHDB", "FGR13INGRBS",
                              "Icrp68Ingestion", "Icrp68Inhalation", "Icrp68Gases"}) {
        const auto names = Db().FieldNames(table);
        ASSERT_EQ(names.back(), "Source") << table;
        const bool risk = std::string(table) == "FGR13INGRBS";
        const std::string label = risk ? "\"Cancer Site\"" : "Nuclide";
        const bool blocks = std::find(names.begin(), names.end(), "LET Type") != names.end();
        const std::string lowLet = risk || !blocks ? "1" : "\"LET Type\" = 'L'";
        const auto rows =
            Db().Texts(std::string("SELECT Source || '|' || ") + label + " || '|' || (" + lowLet + ") FROM " + table);
        for (const auto& row : rows) {
            ASSERT_TRUE(row) << table << ": a record without its source";
            const auto bar = row->find('|');
            const std::string source = row->substr(0, bar);
            const std::string name = row->substr(bar + 1, row->rfind('|') - bar - 1);
            const auto colon = source.rfind(':');
            ASSERT_NE(colon, std::string::npos) << source;
            const std::string file = source.substr(0, colon);
            const std::string number = source.substr(colon + 1);
            ASSERT_TRUE(!number.empty() && number.find_first_not_of("0123456789") == std::string::npos) << source;
            if (!files.contains(file)) files[file] = ReadSourceLines(test::SourcesDirectory() / file);
            const auto line = std::stoul(number);
            ASSERT_TRUE(line >= 1 && line <= files[file].size()) << source;
            // The line of a high-LET continuation, an ICRP-72 name ("HTO") or an ICRP row that
            // continues the nuclide above need not spell the name.
            if (row->back() == '1' && !file.starts_with("icrp")) {
                std::string text = files[file][line - 1].Text;
                std::string wanted = name;
                for (auto* s : {&text, &wanted})
                    for (auto& c : *s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
                EXPECT_NE(text.find(wanted), std::string::npos) << table << " " << source << " " << name;
            }
        }
    }
}

// Each line of tests/data/shipped/worker-values.txt.
TEST(WorkerTables, PublishedValuesStandAsPublished) {
    const auto lines = test::ReadListFile("shipped/worker-values.txt");
    ASSERT_GE(lines.size(), 30u);
    for (const auto& fields : lines) {
        std::string where = " WHERE Nuclide = '" + fields.at(1) + "'";
        std::istringstream keys(fields.at(2));
        for (std::string key; std::getline(keys, key, ';');) {
            const auto equals = key.find('=');
            const std::string value = Trimmed(key.substr(equals + 1));
            where +=
                " AND \"" + Trimmed(key.substr(0, equals)) + "\"" + (value == "-" ? " IS NULL" : " = '" + value + "'");
        }
        const std::string field = "\"" + fields.at(3) + "\"";
        const auto shown = Db().Texts("SELECT CASE typeof(" + field + ") WHEN 'real' THEN printf('%.2E', " + field +
                                      ") ELSE " + field + " END FROM " + fields.at(0) + where);
        ASSERT_EQ(shown.size(), 1u) << fields.at(0) << where;
        EXPECT_EQ(shown[0].value_or("-"), fields.at(4)) << fields.at(0) << where << ": " << fields.at(3);
    }
}

// ---------------------------------------------------------------------------------------
// Every unit factor of the unit tables against tests/data/shipped/unit-factors.txt.

// Reads category k of a unit table the way the viewer does: counts in the first record's name
// fields (position 2k - 1), then one unit per record.
std::map<std::string, double> UnitsOf(const std::string& table, int category) {
    const auto names = Db().FieldNames(table);
    const auto labels =
        Db().Texts("SELECT \"" + names.at(2 * category - 1) + "\" FROM \"" + table + "\" ORDER BY rowid");
    const auto factors = Db().Texts("SELECT \"" + names.at(2 * category) + "\" FROM \"" + table + "\" ORDER BY rowid");
    std::map<std::string, double> units;
    for (int j = 1; j <= std::stoi(labels.at(0).value()); ++j)
        units[labels.at(j).value()] = std::stod(factors.at(j).value());
    return units;
}

TEST(UnitFactors, EveryUnitIsWorthWhatItsDefinitionGives) {
    std::map<std::pair<std::string, int>, std::map<std::string, double>> expected;
    for (const auto& fields : test::ReadListFile("shipped/unit-factors.txt"))
        expected[{fields.at(0), std::stoi(fields.at(1))}][fields.at(2)] = std::stod(fields.at(3));
    ASSERT_EQ(expected.size(), 8u);
    for (const auto& [category, factors] : expected) {
        const auto units = UnitsOf(category.first, category.second);
        EXPECT_EQ(units.size(), factors.size()) << category.first << " category " << category.second;
        for (const auto& [name, factor] : factors) {
            ASSERT_TRUE(units.contains(name)) << category.first << ": " << name;
            EXPECT_NEAR(units.at(name) / factor, 1.0, 1e-12) << category.first << ": " << name;
        }
    }
}

// ---------------------------------------------------------------------------------------
// The daughters of the FGR-12/13 index as the build stores them, checked against the index
// file's own lines, read here with a pattern of their own.

// (name, fraction) of the daughter slots of a nuclide's line: "  73 9.4600E-01".
std::vector<std::pair<std::string, double>> DaughtersInFile(const std::string& nuclide) {
    const auto lines = ReadSourceLines(test::SourcesDirectory() / "nuclides/FGR13COF.NDX");
    static const std::regex slot(R"( *(\d+) (\d\.\d{4})E([ -])(\d\d))");
    for (const auto& line : lines) {
        if (line.Text.rfind(nuclide + " ", 0) != 0) continue;
        std::vector<std::pair<std::string, double>> daughters;
        const std::string slots = line.Text.substr(23, 45);
        for (auto it = std::sregex_iterator(slots.begin(), slots.end(), slot); it != std::sregex_iterator(); ++it) {
            const int record = std::stoi((*it)[1].str());
            if (record == 999) continue;  // spontaneous fission
            const int exponent = ((*it)[3].str() == "-" ? -1 : 1) * std::stoi((*it)[4].str());
            const std::string& target = lines.at(static_cast<std::size_t>(record - 1)).Text;
            daughters.emplace_back(target.substr(0, target.find(' ')),
                                   std::stod((*it)[2].str()) * std::pow(10.0, exponent));
        }
        return daughters;
    }
    ADD_FAILURE() << nuclide << " not in the index";
    return {};
}

TEST(DecayData, DaughtersAndFractionsAreThoseOfTheIndexFile) {
    // Cs-137 to Ba-137m, a branching decay, a chain member ending the chain, and one that
    // also decays by spontaneous fission.
    for (const std::string nuclide : {"Cs-137", "Bi-212", "Th-234", "U-238", "Ba-137m"}) {
        const auto expected = DaughtersInFile(nuclide);
        const auto stored =
            Db().Texts("SELECT Daughter || ' ' || \"Branching Fraction\" FROM Daughters WHERE Nuclide = '" + nuclide +
                       "' ORDER BY ID");
        ASSERT_EQ(stored.size(), expected.size()) << nuclide;
        for (std::size_t k = 0; k < expected.size(); ++k) {
            const auto blank = stored[k]->find(' ');
            EXPECT_EQ(stored[k]->substr(0, blank), expected[k].first) << nuclide;
            EXPECT_NEAR(std::stod(stored[k]->substr(blank)) / expected[k].second, 1, 1e-12) << *stored[k];
        }
    }
    EXPECT_EQ(*Db().Real("SELECT \"Daughter Half-life (s)\" FROM Daughters WHERE Daughter = 'Ba-137m' AND "
                         "Nuclide = 'Cs-137'"),
              2.552 * 60);
    EXPECT_EQ(*Db().Text("SELECT Source FROM Daughters WHERE Nuclide = 'Cs-137'"), "nuclides/FGR13COF.NDX:181");
}

// ---------------------------------------------------------------------------------------
// Malformed source values become Null in the database and appear in the report with file,
// line, value and reason: exactly those of tests/data/shipped/rejected-values.txt.
TEST(QualityReport, OnlyTheKnownFaultsAreRejected) {
    const auto listed = test::ReadListFile("shipped/rejected-values.txt");
    const auto& rejected = Db().Report().Rejected();
    ASSERT_EQ(rejected.size(), listed.size());
    for (const auto& fields : listed) {
        const auto found = std::find_if(rejected.begin(), rejected.end(), [&](const RejectedValue& r) {
            return r.File == fields.at(0) && r.Line == std::stoi(fields.at(1)) && r.Text == fields.at(2);
        });
        ASSERT_NE(found, rejected.end()) << fields.at(0) << ":" << fields.at(1) << " " << fields.at(2);
        EXPECT_NE(found->Reason.find(fields.at(3)), std::string::npos) << found->Line << ": " << found->Reason;
    }
    // Ir-193m is not in the FGR-13 data package: its ICRP-72 adult value stays Null, the others stand.
    EXPECT_FALSE(
        Db().Real("SELECT \"Effective Dose (e50)\" FROM Fgr13ingGDB WHERE Nuclide = 'Ir-193m' AND Age = 7300"));
    EXPECT_DOUBLE_EQ(
        Db().Real("SELECT \"Effective Dose (e50)\" FROM Fgr13ingGDB WHERE Nuclide = 'Ir-193m' AND Age = 5475").value(),
        3.4e-10);
    // Every Null effective dose of a low-LET record is a reported rejection; of the rejected
    // ICRP-72 rows only Ir-193m's is in the database, the other nuclides have FGR-13 doses.
    EXPECT_EQ(
        Db().Count("SELECT count(*) FROM Fgr13ingGDB WHERE \"LET Type\" = 'L' AND \"Effective Dose (e50)\" IS NULL"),
        1);
    EXPECT_EQ(
        Db().Count("SELECT count(*) FROM Fgr13inhHDB WHERE \"LET Type\" = 'L' AND \"Effective Dose (e50)\" IS NULL"),
        0);
}

}  // namespace
}  // namespace quorvel::data

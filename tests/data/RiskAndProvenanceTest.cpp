// The ingestion risk coefficients of the FGR-13 data package as the viewer reads them, the
// names of the forms of one nuclide, and the source line every coefficient record names.
#include <cctype>
#include <gtest/gtest.h>
#include <map>

#include "BuiltDatabase.h"
#include "SourceLines.h"

namespace quorvel::data {
namespace {

const test::BuiltDatabase& Db() { return test::BuiltDatabase::Instance(); }

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
    for (const char* table : {"F12TIII1", "F12TIII3", "F12TIII7", "Fgr13ingGDB", "Fgr13inhHDB", "FGR13INGRBS"}) {
        const auto names = Db().FieldNames(table);
        ASSERT_EQ(names.back(), "Source") << table;
        const bool risk = std::string(table) == "FGR13INGRBS";
        const std::string label = risk ? "\"Cancer Site\"" : "Nuclide";
        const std::string lowLet = risk || names[6] != "LET Type" ? "1" : "\"LET Type\" = 'L'";
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
            // The line of a high-LET continuation or an ICRP-72 name ("HTO") need not spell the name.
            if (row->back() == '1' && !file.starts_with("icrp72-effective/")) {
                std::string text = files[file][line - 1].Text;
                std::string wanted = name;
                for (auto* s : {&text, &wanted})
                    for (auto& c : *s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
                EXPECT_NE(text.find(wanted), std::string::npos) << table << " " << source << " " << name;
            }
        }
    }
}

}  // namespace
}  // namespace quorvel::data

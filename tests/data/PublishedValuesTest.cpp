// Published coefficients read back from the built database, where the viewer reads them.
#include <gtest/gtest.h>

#include "BuiltDatabase.h"

namespace quorvel::data {
namespace {

const test::BuiltDatabase& Db() { return test::BuiltDatabase::Instance(); }

double Value(const std::string& sql) {
    const auto v = Db().Real(sql);
    if (!v) throw std::runtime_error("Null from " + sql);
    return *v;
}

// Field by position, as the viewer reads it: SELECT * in table order.
std::string FieldAt(const std::string& table, std::size_t position) {
    return "\"" + Db().FieldNames(table).at(position) + "\"";
}

// Total over the cancer sites, tap water, by position as the viewer reads: 6-10 mortality and
// 11-15 morbidity for intake at ages 0-5, 5-15, 15-25, 25-70 and lifetime 0-110.
TEST(PublishedValues, Fgr13IngestionRiskCoefficients) {
    const auto total = [](const std::string& nuclide, std::size_t position) {
        return Value("SELECT " + FieldAt("FGR13INGRBS", position) + " FROM FGR13INGRBS WHERE Nuclide = '" + nuclide +
                     "' AND Intake = 'Tap Water' AND \"Cancer Site\" = 'Total'");
    };
    EXPECT_DOUBLE_EQ(total("Cs-137", 10), 5.66e-10);
    EXPECT_DOUBLE_EQ(total("Cs-137", 15), 8.22e-10);
    EXPECT_DOUBLE_EQ(total("Co-60", 15), 4.25e-10);
    EXPECT_DOUBLE_EQ(total("Co-60", 3), 0.1) << "f1";
    EXPECT_DOUBLE_EQ(total("Pu-239", 6), 1.80e-8);
    EXPECT_DOUBLE_EQ(total("Pu-239", 3), 5.0e-4) << "f1";
}

TEST(PublishedValues, IcrpEffectiveDosesPerAgeUseTheInfantF1) {
    // Cf-252: f1 0.005 for the 3-month-old, 0.0005 from 1 year on.
    const std::string where = " FROM Fgr13ingGDB WHERE Nuclide = 'Cf-252' AND Age = ";
    EXPECT_DOUBLE_EQ(Value("SELECT " + FieldAt("Fgr13ingGDB", 4) + where + "100"), 0.005);
    EXPECT_DOUBLE_EQ(Value("SELECT " + FieldAt("Fgr13ingGDB", 4) + where + "365"), 0.0005);
    EXPECT_DOUBLE_EQ(Value("SELECT " + FieldAt("Fgr13ingGDB", 39) + where + "100"), 5e-6);
    EXPECT_DOUBLE_EQ(Value("SELECT " + FieldAt("Fgr13ingGDB", 39) + where + "365"), 5.1e-7);
}

TEST(PublishedValues, Fgr13CaesiumValuesAgreeWithIcrp72) {
    // The database holds the FGR-13 computation for Cs-137; ICRP-72 publishes values within a
    // few per cent of it (1.3e-08 adult and 2.1e-08 at 3 months by ingestion, 4.6e-09 type F
    // and 9.7e-09 type M by inhalation).
    const auto near = [](double stored, double published) { EXPECT_NEAR(stored / published, 1.0, 0.05) << stored; };
    near(Value("SELECT \"Effective Dose (e50)\" FROM Fgr13ingGDB WHERE Nuclide = 'Cs-137' AND Age = 7300"), 1.3e-8);
    near(Value("SELECT \"Effective Dose (e50)\" FROM Fgr13ingGDB WHERE Nuclide = 'Cs-137' AND Age = 100"), 2.1e-8);
    const auto inhaled = [](const char* type) {
        return Value(
            std::string("SELECT \"Effective Dose (e50)\" FROM Fgr13inhHDB WHERE Nuclide = 'Cs-137' AND Age = 7300 "
                        "AND \"Absorption Type\" = '") +
            type + "'");
    };
    near(inhaled("F"), 4.6e-9);
    near(inhaled("M"), 9.7e-9);
}

TEST(PublishedValues, IcrpInhalationTypesAndGases) {
    // Be-7 has no organ doses: its ICRP-72 values for types M and S, in file order.
    const auto values = Db().Texts(
        "SELECT \"Effective Dose (e50)\" FROM Fgr13inhHDB WHERE Nuclide = 'Be-7' AND Age = 7300 ORDER BY ID");
    ASSERT_EQ(values.size(), 2u);
    EXPECT_DOUBLE_EQ(std::stod(values[0].value()), 5e-11);
    EXPECT_DOUBLE_EQ(std::stod(values[1].value()), 5.5e-11);
    // Ni-56 as particulate types from Annex G, then as nickel carbonyl vapour from Annex H.
    const auto forms = Db().Texts("SELECT Form FROM Fgr13inhHDB WHERE Nuclide = 'Ni-56' AND Age = 7300 ORDER BY ID");
    ASSERT_FALSE(forms.empty());
    EXPECT_NE(forms.back()->find("Gas or vapour"), std::string::npos);
    EXPECT_DOUBLE_EQ(Value("SELECT \"Effective Dose (e50)\" FROM Fgr13inhHDB WHERE Nuclide = 'Ni-56' AND Age = 7300 "
                           "AND Form LIKE 'Gas%'"),
                     1.2e-9);
}

}  // namespace
}  // namespace quorvel::data

// Every unit factor of the unit tables, derived here again from the definitions of the units:
// 1 Ci = 3.7E10 Bq, 1 rem = 0.01 Sv, 1 h = 3600 s, 1 y = 365.25 d, soil 1.6 g/cm3.
#include <gtest/gtest.h>
#include <map>

#include "BuiltDatabase.h"

namespace quorvel::data {
namespace {

const test::BuiltDatabase& Db() { return test::BuiltDatabase::Instance(); }

struct Expected {
    int Category;
    std::map<std::string, double> Factors;  // unit name -> value of 1 tabulated unit in it
};

// Reads category k of a unit table the way the viewer does: counts in the first record's name
// fields (position 2k - 1), then one unit per record.
std::map<std::string, double> UnitsOf(const std::string& table, int category) {
    const auto names = Db().FieldNames(table);
    const std::string nameField = "\"" + names.at(2 * category - 1) + "\"";
    const std::string factorField = "\"" + names.at(2 * category) + "\"";
    const auto labels = Db().Texts("SELECT " + nameField + " FROM \"" + table + "\" ORDER BY rowid");
    const auto factors = Db().Texts("SELECT " + factorField + " FROM \"" + table + "\" ORDER BY rowid");
    const int count = std::stoi(labels.at(0).value());
    std::map<std::string, double> units;
    for (int j = 1; j <= count; ++j) units[labels.at(j).value()] = std::stod(factors.at(j).value());
    return units;
}

void ExpectFactors(const std::string& table, const Expected& expected) {
    const auto units = UnitsOf(table, expected.Category);
    EXPECT_EQ(units.size(), expected.Factors.size()) << table << " category " << expected.Category;
    for (const auto& [name, factor] : expected.Factors) {
        ASSERT_TRUE(units.contains(name)) << table << ": " << name;
        EXPECT_NEAR(units.at(name) / factor, 1.0, 1e-12) << table << ": " << name;
    }
}

TEST(UnitFactors, DoseUnitsFromDefinitions) {
    // 1 Sv/Bq in rem per Ci: 100 rem per Sv, 3.7E10 Bq per Ci.
    ExpectFactors("Dose Units",
                  {1, {{"Sv/Bq", 1}, {"mSv/Bq", 1000}, {"rem/Ci", 100 * 3.7e10}, {"mrem/pCi", 1e5 * 3.7e10 / 1e12}}});
    // 1 Sv/s per Bq/m3 is 3600 Sv/h; 1 uCi = 3.7E4 Bq.
    ExpectFactors(
        "Dose Units",
        {2, {{"Sv m3/(Bq s)", 1}, {"mSv/h per Bq/m3", 3600 * 1000}, {"mrem/h per uCi/m3", 3600 * 1e5 * 3.7e4}}});
    // 1 pCi/cm2 = 0.037 Bq per 1E-4 m2 = 370 Bq/m2.
    ExpectFactors(
        "Dose Units",
        {3, {{"Sv m2/(Bq s)", 1}, {"mSv/h per Bq/m2", 3600 * 1000}, {"mrem/h per pCi/cm2", 3600 * 1e5 * 370}}});
    // 1 Bq/kg of soil at 1600 kg/m3 is 1600 Bq/m3; 1 pCi/g is 37 Bq/kg.
    ExpectFactors("Dose Units", {4,
                                 {{"Sv m3/(Bq s)", 1},
                                  {"mSv/h per Bq/m3", 3600 * 1000},
                                  {"mrem/h per uCi/m3", 3600 * 1e5 * 3.7e4},
                                  {"mSv/h per Bq/kg", 3600.0 * 1000 * 1600},
                                  {"mrem/h per pCi/g", 3600.0 * 1e5 * 37 * 1600}}});
}

TEST(UnitFactors, RiskUnitsFromDefinitions) {
    const double pCiYear = 0.037 * 365.25 * 86400;  // Bq s
    ExpectFactors("Risk Units", {1, {{"per Bq", 1}, {"per pCi", 0.037}}});
    ExpectFactors("Risk Units", {2, {{"per Bq s/m3", 1}, {"per pCi y/m3", pCiYear}}});
    ExpectFactors("Risk Units", {3, {{"per Bq s/m2", 1}, {"per pCi y/m2", pCiYear}}});
    ExpectFactors("Risk Units", {4,
                                 {{"per Bq s/m3", 1},
                                  {"per pCi y/m3", pCiYear},
                                  {"per Bq s/kg", 1600},
                                  {"per pCi y/g", pCiYear * 1000 * 1600}}});
}

}  // namespace
}  // namespace quorvel::data

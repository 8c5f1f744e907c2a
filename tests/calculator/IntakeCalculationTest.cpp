// Worked cases computed here by hand from published coefficients (FGR-13 and FGR-12 as the
// sources' provenance quotes them) and the definitions of the units.
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

#include "IntakeCalculation.h"

namespace quorvel {
namespace {

constexpr double SecondsPerYear = 365.25 * 86400;

CoefficientCatalogue& Shipped() {
    static DatabaseSession session((std::filesystem::path(QUORVEL_APPLICATION_DIRECTORY) / "DoseAndRisk.mdb").string());
    static CoefficientCatalogue catalogue(session);
    return catalogue;
}

MixtureRow Row(const std::string& line, int number = 1) { return ReadMixtureRow(line, number); }

RowResult One(const std::string& line, const CalculationOptions& options = {}) {
    return CalculateMixture(Shipped(), {Row(line)}, options).Rows.front();
}

bool StepsMention(const RowResult& row, const std::string& text) {
    for (const auto& step : row.Steps)
        if (step.find(text) != std::string::npos) return true;
    return false;
}

TEST(IntakeCalculation, Caesium137IngestedByAnAdult) {
    const RowResult row = One("Cs-137,ingestion,,,Adult,1.0E+04,Bq");
    ASSERT_EQ(row.Error, "");
    EXPECT_DOUBLE_EQ(*row.EffectiveDoseSv, 1.0e4 * 1.356e-8);
    EXPECT_TRUE(StepsMention(row, "1.00E+04 Bq x 1.36E-08 Sv/Bq = 1.36E-04 Sv = 0.136 mSv")) << row.Steps.front();
    EXPECT_TRUE(StepsMention(row, "fgr13pak/FGR13ING.GDB:")) << "the coefficient's source";
    // Tap water by default: lifetime mortality and morbidity of FGR-13.
    EXPECT_DOUBLE_EQ(*row.MortalityRisk, 1.0e4 * 5.66e-10);
    EXPECT_DOUBLE_EQ(*row.MorbidityRisk, 1.0e4 * 8.22e-10);
}

TEST(IntakeCalculation, ExternalExposureForAYear) {
    // Co-60 on the ground, 1 Bq/m2 for a year: H_E 2.35E-15 Sv/s per Bq/m2.
    const RowResult ground = One("Co-60,ground-plane,,,,1,Bq/m2,1,y");
    ASSERT_EQ(ground.Error, "");
    EXPECT_DOUBLE_EQ(*ground.EffectiveDoseEquivalentSv, SecondsPerYear * 2.35e-15);
    EXPECT_TRUE(ground.EffectiveDoseSv.has_value());
    // Cs-137 in soil: 1 Bq/kg at 1.6 g/cm3 is 1600 Bq/m3; H_E 4.02E-21 Sv/s per Bq/m3.
    const RowResult soil = One("Cs-137,soil-volume,,,,1,Bq/kg,1,y");
    ASSERT_EQ(soil.Error, "");
    EXPECT_DOUBLE_EQ(*soil.EffectiveDoseEquivalentSv, 1600 * SecondsPerYear * 4.02e-21);
    // Co-60 in air: E 1.19E-13 Sv/s per Bq/m3, for an hour at 1 pCi/m3.
    const RowResult air = One("Co-60,submersion,,,,1,pCi/m3,60,min");
    ASSERT_EQ(air.Error, "");
    EXPECT_DOUBLE_EQ(*air.EffectiveDoseSv, 0.037 * 3600 * 1.19e-13);
}

TEST(IntakeCalculation, SumAndSharesOverAMixtureOfPathways) {
    const MixtureResult result =
        CalculateMixture(Shipped(),
                         {Row("Cs-137,ingestion,,,Adult,1E4,Bq", 1), Row("Sr-90,ingestion,,,Adult,1,kBq", 2),
                          Row("Cs-137,inhalation,,,Adult,100,Bq", 3), Row("Co-60,ground-plane,,,,1,Bq/m2,1,y", 4),
                          Row("Co-60,submersion,,,,1,Bq/m3,1,h", 5)},
                         {"Red Marrow", "uSv"});
    ASSERT_TRUE(result.AllComputed());
    double sum = 0, shares = 0;
    for (const auto& row : result.Rows) {
        sum += *row.EffectiveDoseSv;
        shares += row.Share;
        EXPECT_EQ(row.Organ, "Red Marrow");
    }
    EXPECT_DOUBLE_EQ(result.TotalEffectiveDoseSv, sum);
    EXPECT_NEAR(shares, 1.0, 1e-12);
    EXPECT_DOUBLE_EQ(*result.Rows[1].EffectiveDoseSv, 1000 * 2.767e-8);
    // Inhalation risk is not in this database: the dose stands, the note says why.
    EXPECT_FALSE(result.Rows[2].MortalityRisk.has_value());
    EXPECT_FALSE(result.Rows[2].Notes.empty());
}

TEST(IntakeCalculation, EachBadRowSaysWhyAndTheOthersStillCompute) {
    std::vector<MixtureRow> rows{Row("Cs-137,ingestion,,,Adult,1,Bq", 1)};
    std::vector<std::pair<std::string, std::string>> bad;  // the row and the word its message holds
    std::ifstream file(QUORVEL_CALCULATOR_DATA "/bad-rows.txt");
    for (std::string line; std::getline(file, line);)
        if (const auto bar = line.find(" | "); !line.starts_with('#') && bar != std::string::npos) {
            bad.emplace_back(line.substr(0, bar), line.substr(bar + 3));
            rows.push_back(Row(bad.back().first, static_cast<int>(rows.size()) + 1));
        }
    ASSERT_FALSE(bad.empty());
    const MixtureResult result = CalculateMixture(Shipped(), rows, {});
    EXPECT_EQ(result.Rows.front().Error, "");
    EXPECT_DOUBLE_EQ(result.TotalEffectiveDoseSv, *result.Rows.front().EffectiveDoseSv);
    for (std::size_t k = 0; k < bad.size(); ++k) {
        const RowResult& row = result.Rows[k + 1];
        EXPECT_NE(row.Error.find(bad[k].second), std::string::npos) << bad[k].first << ": " << row.Error;
        EXPECT_FALSE(row.EffectiveDoseSv.has_value()) << bad[k].first;
    }
    EXPECT_THROW(CalculateMixture(Shipped(), rows, {"", "Gy"}), std::invalid_argument);
}

TEST(CalculatorUnits, FactorsFollowFromTheDefinitions) {
    const std::pair<const char*, double> activities[] = {{"Bq", 1},      {"kBq", 1e3},   {"MBq", 1e6},
                                                         {"GBq", 1e9},   {"pCi", 0.037}, {"nCi", 37},
                                                         {"uCi", 3.7e4}, {"mCi", 3.7e7}, {"Ci", 3.7e10}};
    for (const auto& [name, factor] : activities)
        EXPECT_DOUBLE_EQ(FindUnit(ActivityUnits(), name)->Factor, factor) << name;
    EXPECT_DOUBLE_EQ(FindUnit(DoseUnits(), "mrem")->Factor, 1e-5);
    EXPECT_DOUBLE_EQ(FindUnit(TimeUnits(), "y")->Factor, SecondsPerYear);
    EXPECT_DOUBLE_EQ(FindUnit(ConcentrationUnits(ExternalGeometry::SoilVolume), "pCi/g")->Factor, 0.037 * 1000 * 1600);
    EXPECT_DOUBLE_EQ(FindUnit(ConcentrationUnits(ExternalGeometry::GroundPlane), "pCi/cm2")->Factor, 0.037 * 1e4);
    EXPECT_DOUBLE_EQ(FindUnit(ActivityUnits(),
                              "\xC2\xB5"
                              "Ci")
                         ->Factor,
                     3.7e4);
    // A unit is never guessed from another's case: MBq and mBq differ by 1E9.
    EXPECT_FALSE(FindUnit(ActivityUnits(), "mbq").has_value());
    EXPECT_FALSE(FindUnit(ConcentrationUnits(ExternalGeometry::Submersion), "Bq/m2").has_value());
    EXPECT_EQ(FormatDoseIn(1.356e-4, *FindUnit(DoseUnits(), "mSv")), "0.136 mSv");
    EXPECT_EQ(FormatDoseIn(2.5e-9, *FindUnit(DoseUnits(), "mrem")), "2.50E-04 mrem");
}

TEST(Mixture, WrittenAndReadBackWithColumnsInAnyOrder) {
    std::vector<MixtureRow> rows = {Row("H-3,ingestion,\"organically bound tritium (OBT), f1 = 1\",food,1 Year,5,kBq"),
                                    Row("Co-60,ground-plane,,,,2.5,pCi/cm2,3,d", 2)};
    std::istringstream written(WriteMixture(rows));
    const auto read = ReadMixture(written);
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[0].Form, "organically bound tritium (OBT), f1 = 1");
    EXPECT_EQ(read[0].Intake, "food");
    EXPECT_EQ(read[1].TimeUnit, "d");
    EXPECT_EQ(read[1].Number, 2);

    std::istringstream reordered("unit,amount,Nuclide,pathway,age\r\nBq,10,Cs-137,ingestion,Adult\r\n\r\n");
    const auto one = ReadMixture(reordered);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].Nuclide, "Cs-137");
    EXPECT_EQ(one[0].Amount, "10");

    for (const char* broken :
         {"", "nuclide,colour\nCs-137,red\n", "nuclide,nuclide\n", "nuclide,amount\nCs-137,1,Bq\n"}) {
        std::istringstream in(broken);
        EXPECT_THROW(ReadMixture(in), MixtureFormatError) << broken;
    }
}

}  // namespace
}  // namespace quorvel

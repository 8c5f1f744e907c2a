// Worked cases computed here by hand from published coefficients (FGR-13 and FGR-12 as the
// sources' provenance quotes them) and the definitions of the units.
#include <cmath>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>

#include "CsvFields.h"
#include "ExposureIntegral.h"
#include "IntakeCalculation.h"
#include "IntakeModel.h"

namespace quorvel {
namespace {

constexpr double SecondsPerYear = 365.25 * 86400;

CoefficientCatalogue& Shipped() {
    static CoefficientCatalogue catalogue(
        (std::filesystem::path(QUORVEL_APPLICATION_DIRECTORY) / "DoseAndRisk.mdb").string());
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
    // I-131 (T1/2 8.0207 d) deposited at 1E4 Bq/m2 and decaying over a year: C0 T1/2/ln2 (1 -
    // exp(-ln2 t/T1/2)) in place of C0 t, about a 32nd (E 3.64E-16 Sv m2/(Bq s)).
    const double halfLife = 8.0207 * 86400, lambda = std::log(2.0) / halfLife;
    const RowResult constant = One("I-131,ground-plane,,,,1E4,Bq/m2,1,y,constant");
    const RowResult decaying = One("I-131,ground-plane,,,,1E4,Bq/m2,1,y,Decaying");
    ASSERT_EQ(decaying.Error, "");
    EXPECT_DOUBLE_EQ(*constant.EffectiveDoseSv, 1e4 * SecondsPerYear * 3.64e-16);
    EXPECT_NEAR(*decaying.EffectiveDoseSv / (1e4 * (1 - std::exp(-lambda * SecondsPerYear)) / lambda * 3.64e-16), 1,
                1e-12);
    EXPECT_NEAR(*constant.EffectiveDoseSv / *decaying.EffectiveDoseSv, 32, 1);
    EXPECT_TRUE(StepsMention(decaying, "8.02070 d")) << "the half-life and where it comes from";
    // A long-lived deposit over a short time decays next to nothing.
    EXPECT_NEAR(TimeIntegratedConcentration(2, 60, 1e12) / 120, 1, 1e-9);
}

TEST(IntakeCalculation, SumsAndSharesOverAMixtureOfPathways) {
    const MixtureResult result =
        CalculateMixture(Shipped(),
                         {Row("Cs-137,ingestion,,,Adult,1E4,Bq", 1), Row("Sr-90,ingestion,,,Adult,1,kBq", 2),
                          Row("Cs-137,inhalation,F,,Adult,100,Bq", 3), Row("Co-60,ground-plane,,,,1,Bq/m2,1,y", 4),
                          Row("Co-60,submersion,,,,1,Bq/m3,1,h", 5)},
                         {"Red Marrow", "uSv"});
    ASSERT_TRUE(result.AllComputed());
    double sum = 0, shares = 0, mortality = 0, morbidity = 0;
    for (const auto& row : result.Rows) {
        sum += *row.EffectiveDoseSv;
        shares += row.Share;
        mortality += row.MortalityRisk.value_or(0);
        morbidity += row.MorbidityRisk.value_or(0);
        EXPECT_EQ(row.Organ, "Red Marrow");
    }
    EXPECT_DOUBLE_EQ(result.TotalEffectiveDoseSv, sum);
    EXPECT_NEAR(shares, 1.0, 1e-12);
    EXPECT_EQ(result.RowsSummed, 5);
    EXPECT_EQ(result.RiskRowsSummed, 2) << "the two ingestions";
    EXPECT_DOUBLE_EQ(*result.TotalMortalityRisk, mortality);
    EXPECT_DOUBLE_EQ(*result.TotalMorbidityRisk, morbidity);
    EXPECT_DOUBLE_EQ(*result.Rows[1].EffectiveDoseSv, 1000 * 2.767e-8);
    // Inhalation risk is not in this database: the dose stands, the note says why.
    EXPECT_FALSE(result.Rows[2].MortalityRisk.has_value());
    EXPECT_FALSE(result.Rows[2].Notes.empty());
}

// A table of several forms takes the form the row names, also by a short name; Cs-137
// inhaled as Type S is 3.9E-08 Sv/Bq (ICRP-72), 8 times Type F's 4.67E-09 (FGR-13).
TEST(IntakeCalculation, TheFormAndTheRiskBandAreTheOnesNamed) {
    const std::pair<const char*, const char*> named[] = {{"H-3,ingestion,hto,,,1,Bq", "tritiated water (HTO)"},
                                                         {"H-3,ingestion,OBT,,,1,Bq", "(OBT)"},
                                                         {"H-3,inhalation,V,,,1,Bq", "Class V"},
                                                         {"Cs-137,inhalation,f1=0.1,,,1,Bq", "Type M"},
                                                         {"Hg-203,ingestion,f1 = 0.4,,,1,Bq", "form 3 of 3"},
                                                         {"Cs-137,inhalation,Type F,,,1,Bq", "Type F"}};
    for (const auto& [line, form] : named) EXPECT_NE(One(line).Form.find(form), std::string::npos) << line;
    EXPECT_DOUBLE_EQ(*One("Cs-137,inhalation,S,,,1E4,Bq").EffectiveDoseSv, 1e4 * 3.9e-8);
    EXPECT_NEAR(*One("Cs-137,inhalation,f,,,1E4,Bq").EffectiveDoseSv / (1e4 * 4.67e-9), 1, 1e-3);
    EXPECT_EQ(One("Cs-137,inhalation,,,,1,Bq").FormsToChoose, (std::vector<std::string>{"F", "M", "S"}));

    Recordset stored = Shipped().Connection().OpenQuery(
        "SELECT \"Mortality Age 0-5\", \"Morbidity Lifetime 0-110\" FROM FGR13INGRBS WHERE Nuclide = 'Cs-137' AND "
        "Intake = 'Tap Water' AND \"Cancer Site\" = 'Total'");
    ASSERT_EQ(stored.RecordCount(), 1);
    EXPECT_DOUBLE_EQ(*One("Cs-137,ingestion,,,,10,Bq", {.RiskBand = "0-5"}).MortalityRisk,
                     10 * stored.Field(0).Number());
    EXPECT_DOUBLE_EQ(*One("Cs-137,ingestion,,,,10,Bq").MorbidityRisk, 10 * stored.Field(1).Number());
    EXPECT_THROW(One("Cs-137,ingestion,,,,10,Bq", {.RiskBand = "0-6"}), CalculationOptionError);
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

// Every output read back as its reader takes it: the CSV field by field (a reason holding
// quotes and commas in one field), JSON by its keys; doses in the chosen unit and named so,
// the band named, the total saying how many rows it sums.
TEST(IntakeResultTable, OutputsReadBackInTheChosenUnitWithTheirTotals) {
    const std::vector<MixtureRow> rows = {Row("Cs-137,ingestion,,,Adult,1E4,Bq", 1),
                                          Row("Cs-137,\"di\"\"ges\"\"tion, oral\",,,Adult,1,Bq", 2)};
    const CalculationOptions options{.DoseUnit = "uSv"};
    const MixtureResult result = CalculateMixture(Shipped(), rows, options);
    const IntakeResultTable table = BuildResultTable(result, options);
    const double doseSv = *result.Rows[0].EffectiveDoseSv;
    const auto written = [&table](RowFormat format) {
        std::ostringstream out;
        WriteResultTable(table, format, "", out);
        return out.str();
    };

    std::istringstream csv(written(RowFormat::Csv));
    std::vector<std::vector<std::string>> lines;
    for (std::string line; std::getline(csv, line);) lines.push_back(SplitCsvLine(line));
    ASSERT_EQ(lines.size(), 4u) << "headings, two rows, the total";
    for (const auto& line : lines) EXPECT_EQ(line.size(), lines[0].size());
    const auto field = [&lines](std::size_t line, const std::string& heading) {
        const auto at = std::find(lines[0].begin(), lines[0].end(), heading);
        return at == lines[0].end() ? std::string("(no column " + heading + ")") : lines[line][at - lines[0].begin()];
    };
    EXPECT_EQ(field(2, "Not Computed Because"), result.Rows[1].Error);
    EXPECT_EQ(field(2, "Pathway"), "di\"ges\"tion, oral");
    EXPECT_NEAR(std::stod(field(1, "Effective Dose (uSv)")) / (doseSv * 1e6), 1, 5e-3);
    EXPECT_EQ(field(3, "Effective Dose (uSv)"), field(1, "Effective Dose (uSv)"));
    EXPECT_EQ(field(3, "Mortality (Lifetime 0-110)"), field(1, "Mortality (Lifetime 0-110)"));
    EXPECT_NE(field(3, "Row").find("1 of 2 rows"), std::string::npos) << field(3, "Row");

    const auto json = nlohmann::json::parse(written(RowFormat::Json));
    EXPECT_DOUBLE_EQ(json["rows"][0]["effective_dose_Sv"].get<double>(), doseSv);
    EXPECT_DOUBLE_EQ(json["rows"][0]["effective_dose_uSv"].get<double>(), doseSv * 1e6);
    EXPECT_EQ(json["rows"][1]["error"], result.Rows[1].Error);
    EXPECT_EQ(json["risk_band"], "Lifetime 0-110");
    EXPECT_DOUBLE_EQ(json["total"]["mortality_risk"].get<double>(), *result.Rows[0].MortalityRisk);
    EXPECT_EQ(json["total"]["rows_summed"], 1);
    EXPECT_EQ(json["total"]["rows"], 2);
    EXPECT_NE(written(RowFormat::Text).find("Doses in uSv"), std::string::npos);
}

// The window's rules: any change of a row or an option makes the results stale, and what
// a calculation gives belongs to the rows as they are then.
TEST(IntakeModel, ResultsGoStaleWithAnyChangeAndBelongToTheRowsShown) {
    IntakeModel model;
    const auto cell = [&model](const std::string& key) {
        for (std::size_t c = 0; c < model.Table().Columns.size(); ++c)
            if (model.Table().Columns[c].Key == key) return model.Table().Rows[0][c];
        return ResultCell{"(no column " + key + ")"};
    };
    model.SetRows({Row("Cs-137,ingestion,,,Adult,1E4,Bq")});
    EXPECT_FALSE(model.Current());
    ASSERT_TRUE(model.Calculate(Shipped()));
    EXPECT_TRUE(model.Current());
    model.SetRows({Row("Cs-137,ingestion,,,Adult,2E4,Bq")});
    EXPECT_FALSE(model.Current());
    EXPECT_EQ(cell("amount").Text, "1E4") << "the last results stand until calculated again";
    ASSERT_TRUE(model.Calculate(Shipped()));
    EXPECT_EQ(cell("amount").Text, "2E4");
    EXPECT_DOUBLE_EQ(*cell("effective_dose_Sv").Value, 2e4 * 1.356e-8);
    for (const CalculationOptions& changed :
         {CalculationOptions{.DoseUnit = "rem"}, CalculationOptions{.Organ = "Lung"},
          CalculationOptions{.RiskBand = "0-5"}, CalculationOptions{.ProgenyCutoffSeconds = 86400.0}}) {
        model.SetOptions(changed);
        EXPECT_FALSE(model.Current());
        model.SetOptions({});
        EXPECT_TRUE(model.Current());
    }
    model.SetOptions({}, "The +D half-life cutoff is not a duration.");
    EXPECT_FALSE(model.Calculate(Shipped()));
    EXPECT_EQ(model.Message(), "The +D half-life cutoff is not a duration.");
    EXPECT_FALSE(model.Current());
}

TEST(CalculatorUnits, FactorsFollowFromTheDefinitions) {
    const std::pair<const char*, double> activities[] = {{"Bq", 1},      {"kBq", 1e3},   {"MBq", 1e6},
                                                         {"GBq", 1e9},   {"pCi", 0.037}, {"nCi", 37},
                                                         {"uCi", 3.7e4}, {"mCi", 3.7e7}, {"Ci", 3.7e10}};
    for (const auto& [name, factor] : activities)
        EXPECT_DOUBLE_EQ(FindUnit(ActivityUnits(), name)->Factor, factor) << name;
    EXPECT_DOUBLE_EQ(FindUnit(DoseUnits(), "mrem")->Factor, 1e-5);
    EXPECT_DOUBLE_EQ(FindUnit(TimeUnits(), "y")->Factor, SecondsPerYear);
    EXPECT_DOUBLE_EQ(FindUnit(ConcentrationUnits(2), "pCi/g")->Factor, 0.037 * 1000 * 1600);
    EXPECT_DOUBLE_EQ(FindUnit(ConcentrationUnits(1), "pCi/cm2")->Factor, 0.037 * 1e4);
    EXPECT_DOUBLE_EQ(FindUnit(ActivityUnits(),
                              "\xC2\xB5"
                              "Ci")
                         ->Factor,
                     3.7e4);
    // A unit is never guessed from another's case: MBq and mBq differ by 1E9.
    EXPECT_FALSE(FindUnit(ActivityUnits(), "mbq").has_value());
    EXPECT_FALSE(FindUnit(ConcentrationUnits(0), "Bq/m2").has_value());
    EXPECT_EQ(FormatDoseIn(1.356e-4, *FindUnit(DoseUnits(), "mSv")), "0.136 mSv");
    EXPECT_EQ(FormatDoseIn(2.5e-9, *FindUnit(DoseUnits(), "mrem")), "2.50E-04 mrem");
}

TEST(Mixture, WrittenAndReadBackWithColumnsInAnyOrder) {
    std::vector<MixtureRow> rows = {Row("H-3,ingestion,\"organically bound tritium (OBT), f1 = 1\",food,1 Year,5,kBq"),
                                    Row("Co-60,ground-plane,,,,2.5,pCi/cm2,3,d,decaying", 2)};
    std::istringstream written(WriteMixture(rows));
    const auto read = ReadMixture(written);
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[0].Form, "organically bound tritium (OBT), f1 = 1");
    EXPECT_EQ(read[0].Intake, "food");
    EXPECT_EQ(read[1].TimeUnit, "d");
    EXPECT_EQ(read[1].Decay, "decaying");
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

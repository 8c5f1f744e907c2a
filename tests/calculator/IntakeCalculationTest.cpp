// The calculator on the shipped database: worked cases (tests/data/calculator/rows.txt), the
// sums, the forms and bands named, every output read back, the window's rules, the units.
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>

#include "CsvFields.h"
#include "ExposureIntegral.h"
#include "IntakeModel.h"

namespace quorvel {
namespace {

DatabaseSession& ShippedSession() {
    static DatabaseSession session((std::filesystem::path(QUORVEL_APPLICATION_DIRECTORY) / "DoseAndRisk.mdb").string());
    return session;
}

CoefficientCatalogue& Shipped() {
    static CoefficientCatalogue catalogue(ShippedSession());
    return catalogue;
}

MixtureRow Row(const std::string& line, int number = 1) { return ReadMixtureRow(line, number); }

RowResult One(const std::string& line, const CalculationOptions& options = {}) {
    return CalculateMixture(Shipped(), {Row(line)}, options).Rows.front();
}

// Every row of tests/data/calculator/rows.txt in one mixture: each gives the values worked
// out for it, or says why it cannot be computed, whatever the rows beside it.
TEST(IntakeCalculation, WorkedRowsAndRefusedOnes) {
    struct Case {
        std::string Line, What, Expected;
    };
    std::vector<Case> cases;
    std::vector<MixtureRow> rows;
    std::ifstream file(QUORVEL_CALCULATOR_DATA "/rows.txt");
    for (std::string line; std::getline(file, line);) {
        const auto bar = line.find(" | "), second = line.find(" | ", bar + 3);
        if (line.starts_with('#') || second == std::string::npos) continue;
        cases.push_back({line.substr(0, bar), line.substr(bar + 3, second - bar - 3), line.substr(second + 3)});
        rows.push_back(Row(cases.back().Line, static_cast<int>(rows.size()) + 1));
    }
    ASSERT_GT(cases.size(), 30u);
    const MixtureResult result = CalculateMixture(Shipped(), rows, {});
    double total = 0;
    for (std::size_t k = 0; k < cases.size(); ++k) {
        const auto& [line, what, expected] = cases[k];
        const RowResult& row = result.Rows[k];
        SCOPED_TRACE(line + " | " + what);
        total += row.EffectiveDoseSv.value_or(0);
        if (what == "error") {
            EXPECT_NE(row.Error.find(expected), std::string::npos) << row.Error;
            EXPECT_FALSE(row.EffectiveDoseSv.has_value());
            continue;
        }
        ASSERT_EQ(row.Error, "");
        std::string text = row.Form;
        for (const auto& step : row.Steps) text += "\n" + step;
        const std::optional<double> value = what == "E"           ? row.EffectiveDoseSv
                                            : what == "H_E"       ? row.EffectiveDoseEquivalentSv
                                            : what == "mortality" ? row.MortalityRisk
                                                                  : row.MorbidityRisk;
        if (what == "form" || what == "step")
            EXPECT_NE(text.find(expected), std::string::npos) << text;
        else
            EXPECT_NEAR(value.value_or(0) / std::stod(expected), 1, 1e-6);
    }
    EXPECT_DOUBLE_EQ(result.TotalEffectiveDoseSv, total);
    EXPECT_THROW(CalculateMixture(Shipped(), rows, {"", "Gy"}), std::invalid_argument);
    // A long-lived deposit over a short time decays next to nothing, to the last figures.
    EXPECT_NEAR(TimeIntegratedConcentration(2, 60, 1e12) / 120, 1, 1e-9);
}

// A row that names no form of several offers them by their short names; the risks are of
// the band named, as the database stores them.
TEST(IntakeCalculation, TheFormsOfferedAndTheRiskBandNamed) {
    std::string offered;
    for (const auto& [name, form] : One("Cs-137,inhalation,,,,1,Bq").FormsToChoose)
        offered += name + " " + form.substr(0, 6) + ";";
    EXPECT_EQ(offered, "F Type F;M Type M;S Type S;");

    Recordset stored = ShippedSession().Connection().OpenQuery(
        "SELECT \"Mortality Age 0-5\", \"Morbidity Lifetime 0-110\" FROM FGR13INGRBS WHERE Nuclide = 'Cs-137' AND "
        "Intake = 'Tap Water' AND \"Cancer Site\" = 'Total'");
    ASSERT_EQ(stored.RecordCount(), 1);
    EXPECT_DOUBLE_EQ(*One("Cs-137,ingestion,,,,10,Bq", {.RiskBand = "0-5"}).MortalityRisk,
                     10 * stored.Field(0).Number());
    EXPECT_DOUBLE_EQ(*One("Cs-137,ingestion,,,,10,Bq").MorbidityRisk, 10 * stored.Field(1).Number());
    EXPECT_THROW(One("Cs-137,ingestion,,,,10,Bq", {.RiskBand = "0-6"}), CalculationOptionError);
}

// The sums and every output read back as its reader takes it: the CSV field by field (a
// reason holding quotes and commas in one field), JSON by its keys; doses in the chosen unit
// and named so, the band named, the totals of dose and risks saying how many rows they sum.
TEST(IntakeResultTable, OutputsReadBackWithTheirSumsInTheChosenUnit) {
    const std::vector<MixtureRow> rows = {
        Row("Cs-137,ingestion,,,Adult,1E4,Bq", 1), Row("Sr-90,ingestion,,,Adult,1,kBq", 2),
        Row("Cs-137,inhalation,F,,Adult,100,Bq", 3), Row("Co-60,ground-plane,,,,1,Bq/m2,1,y", 4),
        Row("Cs-137,\"di\"\"ges\"\"tion, oral\",,,Adult,1,Bq", 5)};
    const CalculationOptions options{.Organ = "red m", .DoseUnit = "uSv"};
    const MixtureResult result = CalculateMixture(Shipped(), rows, options);
    const IntakeResultTable table = BuildResultTable(result, options);
    const auto written = [&table](RowFormat format) {
        std::ostringstream out;
        WriteResultTable(table, format, "", out);
        return out.str();
    };

    const auto json = nlohmann::json::parse(written(RowFormat::Json));
    double dose = 0, shares = 0, mortality = 0;
    for (const auto& row : json["rows"]) {
        dose += row.value("effective_dose_Sv", 0.0);
        shares += row.value("share", 0.0);
        mortality += row.value("mortality_risk", 0.0);
        EXPECT_DOUBLE_EQ(row.value("effective_dose_uSv", 0.0), row.value("effective_dose_Sv", 0.0) * 1e6);
    }
    EXPECT_DOUBLE_EQ(json["total"]["effective_dose_Sv"].get<double>(), dose);
    EXPECT_DOUBLE_EQ(json["total"]["mortality_risk"].get<double>(), mortality);
    EXPECT_NEAR(shares, 1, 1e-12);
    EXPECT_EQ(json["total"]["rows_summed"], 4);
    EXPECT_EQ(json["total"]["risk_rows_summed"], 2) << "the two ingestions: this database holds no inhalation risks";
    EXPECT_EQ(json["total"]["rows"], 5);
    EXPECT_TRUE(json["rows"][2].contains("organ_dose_uSv"));
    EXPECT_EQ(json["organ"], "Red Marrow");
    EXPECT_EQ(json["rows"][4]["error"], result.Rows[4].Error);
    EXPECT_EQ(json["risk_band"], "Lifetime 0-110");

    std::istringstream csv(written(RowFormat::Csv));
    std::vector<std::vector<std::string>> lines;
    for (std::string line; std::getline(csv, line);) lines.push_back(SplitCsvLine(line));
    ASSERT_EQ(lines.size(), 7u) << "headings, five rows, the total";
    for (const auto& line : lines) EXPECT_EQ(line.size(), lines[0].size());
    const auto field = [&lines](std::size_t line, const std::string& heading) {
        const auto at = std::find(lines[0].begin(), lines[0].end(), heading);
        return at == lines[0].end() ? std::string("(no column " + heading + ")") : lines[line][at - lines[0].begin()];
    };
    EXPECT_EQ(field(5, "Not Computed Because"), result.Rows[4].Error);
    EXPECT_EQ(field(5, "Pathway"), "di\"ges\"tion, oral");
    EXPECT_NEAR(std::stod(field(6, "Effective Dose (uSv)")) / (dose * 1e6), 1, 5e-3);
    EXPECT_NEAR(std::stod(field(6, "Mortality (Lifetime 0-110)")) / mortality, 1, 5e-3);
    EXPECT_EQ(field(6, "Row"), "Total: 4 of 5 rows; risks: 2");
    EXPECT_NE(field(1, "Sources").find("fgr13pak/FGR13ING.GDB:"), std::string::npos) << "the coefficients' sources";
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
    EXPECT_FALSE(model.Calculate(Shipped()) || model.Current());
    EXPECT_EQ(model.Message(), "The +D half-life cutoff is not a duration.");
}

// A dose in the unit chosen, from the three figures the steps show in Sv (1 mrem is 1E-5 Sv).
TEST(CalculatorUnits, ADoseInTheUnitChosen) {
    EXPECT_EQ(FormatDoseIn(1.356e-4, *FindUnit(DoseUnits(), "mSv")), "0.136 mSv");
    EXPECT_EQ(FormatDoseIn(2.5e-9, *FindUnit(DoseUnits(), "mrem")), "2.50E-04 mrem");
}

TEST(Mixture, WrittenAndReadBackWithColumnsInAnyOrder) {
    std::vector<MixtureRow> rows = {Row("H-3,ingestion,\"organically bound tritium (OBT), f1 = 1\",food,1 Year,5,kBq"),
                                    Row("Co-60,ground-plane,,,,2.5,pCi/cm2,3,d,decaying", 2)};
    std::istringstream written(WriteMixture(rows));
    EXPECT_TRUE(ReadMixture(written) == rows) << WriteMixture(rows);

    std::istringstream reordered("unit,amount,Nuclide,pathway,age\r\nBq,10,Cs-137,ingestion,Adult\r\n\r\n");
    EXPECT_TRUE(ReadMixture(reordered) == std::vector{Row("Cs-137,ingestion,,,Adult,10,Bq")});

    for (const char* broken :
         {"", "nuclide,colour\nCs-137,red\n", "nuclide,nuclide\n", "nuclide,amount\nCs-137,1,Bq\n"}) {
        std::istringstream in(broken);
        EXPECT_THROW(ReadMixture(in), MixtureFormatError) << broken;
    }
}

}  // namespace
}  // namespace quorvel

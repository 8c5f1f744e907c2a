// The catalogue's own rules on small fixture databases: one quantity for every nuclide and
// form, sources read when the table records them, sorting and filtering, comparisons, and
// the explore table that shows them (or the screening limits of them).
#include <algorithm>
#include <gtest/gtest.h>
#include <sstream>

#include "CoefficientCatalogue.h"
#include "CoefficientDispatcher.h"
#include "Comparison.h"
#include "CsvFields.h"
#include "ExploreModel.h"
#include "FixtureDatabase.h"
#include "HalfLife.h"
#include "LimitMeasure.h"
#include "NumberText.h"
#include "RowFilter.h"

namespace quorvel {
namespace {

using test::DoseRecord;
using test::FixtureDatabase;

constexpr int Effective = 25;  // the last coefficient of an age-dependent block

class CatalogueTest : public ::testing::Test {
protected:
    CatalogueTest() {
        db.CreateStartUpTables();
        db.AddNuclide("53", "Iodine", "I-131", "8.02 d", "I/E");
    }

    void AddIngestion(const std::string& nuclide, const std::string& form, double adultEffective, std::int64_t id,
                      double age = 7300) {
        db.AddDose("Fgr13ingGDB", nuclide, {{1, 0.5}, {Effective, adultEffective}}, id, form, age);
    }

    // The table gets a last field Source, each record "dir/FILE:" and its ID.
    void AddSources(const std::string& table) {
        db.Execute("ALTER TABLE " + table + " ADD COLUMN Source TEXT");
        db.Execute("UPDATE " + table + " SET Source = 'dir/" + table + ".DAT:' || ID");
    }

    // A catalogue over a session of the fixture as it stands.
    CoefficientCatalogue Catalogue() {
        session.emplace(db.Path());
        return CoefficientCatalogue(*session);
    }

    Quantity AdultEffectiveIngestion() {
        Quantity quantity;
        quantity.Age = "Adult";
        quantity.Descriptor = "Effective";
        return quantity;
    }

    FixtureDatabase db;
    std::optional<DatabaseSession> session;
};

TEST_F(CatalogueTest, OneQuantityGivesEveryListedNuclideAndFormInListOrder) {
    AddIngestion("Cs-137", "Soluble", 1.3e-8, 1);
    AddIngestion("Cs-137", "Other", 2.0e-8, 2);
    AddIngestion("h-3", "Water", 1.8e-11, 3);
    AddIngestion("Co-60", "Oxide", 3.4e-9, 4, 365);  // no adult value: no row
    AddIngestion("Xx-9", "Unlisted", 1.0, 5);        // not in the nuclide list: no row
    CoefficientCatalogue catalogue = Catalogue();
    Quantity quantity = AdultEffectiveIngestion();
    quantity.UnitPosition = 2;
    const double factor = catalogue.UnitOf(quantity.Kind, 2).Factor;

    const auto rows = catalogue.Rows(quantity);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].Nuclide.Nuclide, "H-3");
    EXPECT_EQ(rows[0].Form, "Water");
    EXPECT_DOUBLE_EQ(*rows[0].Value, 1.8e-11 * factor);
    EXPECT_EQ(rows[1].Form, "Soluble");
    EXPECT_EQ(rows[2].Form, "Other");
    EXPECT_DOUBLE_EQ(*rows[2].Value, 2.0e-8 * factor);
    EXPECT_EQ(rows[1].Nuclide.HalfLife, "30.0 y");
    EXPECT_EQ(rows[1].Source, "") << "the table records no source";
}

TEST_F(CatalogueTest, SourcesAreReadWhereTheTableRecordsThem) {
    // A two-record block cites its first record.
    DoseRecord low{"Cs-137", "header", "Soluble", 7300, std::int64_t{2}, "L", {{Effective, 1e-8}}, 7};
    DoseRecord high{"Cs-137", "header", "Soluble", 7300, std::int64_t{2}, "H", {{Effective, 1e-9}}, 8};
    db.AddDoseRecord("Fgr13ingGDB", low);
    db.AddDoseRecord("Fgr13ingGDB", high);
    AddSources("Fgr13ingGDB");
    db.AddExternalDoseRecord("F12TIII1", "Co-60", "header", {{10, 2e-14}, {11, 4e-14}}, 3);
    AddSources("F12TIII1");
    db.AddExternalRiskRecord("Co-60", "Submersion",
                             {"Liver", 1e-12, 2e-12, 3e-12, 4e-12, 5e-12, 6e-12, 7e-12, 8e-12, 9e-12, 1e-11}, 4);
    AddSources("FGR13extRBS");
    db.AddExternalDoseRecord("F12TIII3", "Co-60", "header", {{2, 1e-15}}, 5);

    CoefficientCatalogue catalogue = Catalogue();
    const auto cited = [&](const Quantity& quantity) {
        const auto rows = catalogue.Rows(quantity);
        return rows.size() == 1 ? rows[0].Text + " " + rows[0].Source : std::to_string(rows.size()) + " rows";
    };
    const TableKind submersion{CoefficientType::Dose, Pathway::External, ExternalGeometry::Submersion};
    const TableKind risk{CoefficientType::Risk, Pathway::External};
    const TableKind groundPlane{CoefficientType::Dose, Pathway::External, ExternalGeometry::GroundPlane};
    EXPECT_EQ(cited(AdultEffectiveIngestion()), "1.00E-08 dir/Fgr13ingGDB.DAT:7");
    EXPECT_EQ(cited({submersion, ExternalDoseAge, "", "Colon Dose"}), "2.86E-14 dir/F12TIII1.DAT:3");
    EXPECT_EQ(cited({risk, "Female", "", "Liver", RiskOutcome::Morbidity}), "7.00E-12 dir/FGR13extRBS.DAT:4");
    EXPECT_EQ(cited({groundPlane, ExternalDoseAge, "", "Organ 2"}), "1.00E-15 ") << "the table has no Source field";

    // The value cell of the shown table names its cell, and so its source; a heading names none.
    FlexGrid grid;
    NoBusyPointer pointer;
    const ShownTable shown = DispatchCoefficientRequest(*session, {"Co-60", submersion}, grid, pointer);
    const int colon = grid.Rows() - 1;
    ASSERT_EQ(grid.TextMatrix(colon, 0), "Colon Dose");
    ASSERT_GE(grid.CellCoefficient(colon, 1), 0);
    EXPECT_EQ(shown.Table.Cells[static_cast<std::size_t>(grid.CellCoefficient(colon, 1))].Source, "dir/F12TIII1.DAT:3");
    EXPECT_EQ(grid.CellCoefficient(colon, 0), -1);
}

TEST_F(CatalogueTest, FiltersKeepWhatEveryRangeAndNameAllow) {
    AddIngestion("Cs-137", "a", 3e-9, 1);
    AddIngestion("Co-60", "b", 2e-8, 2);
    AddIngestion("I-131", "c", 1e-10, 3);
    db.AddDose("Fgr13ingGDB", "H-3", {}, 4, "d");
    CoefficientCatalogue catalogue = Catalogue();
    const auto rows = catalogue.Rows(AdultEffectiveIngestion());
    const auto kept = [&](const RowFilter& filter) {
        std::string text;
        for (const auto& row : FilterRows(rows, filter)) text += row.Form;
        return text;
    };
    EXPECT_EQ(kept({}), "dbac");
    EXPECT_EQ(kept({.Text = "CO"}), "b");
    EXPECT_EQ(kept({.Element = "I"}), "c");
    EXPECT_EQ(kept({.ZMin = 27, .ZMax = 53}), "bc");
    EXPECT_EQ(kept({.HalfLifeMin = *HalfLifeSeconds("1 y")}), "dba");
    EXPECT_EQ(kept({.HalfLifeMax = *HalfLifeSeconds("10 y")}), "bc");
    EXPECT_EQ(kept({.ValueMin = 1e-9}), "ba") << "a row without a value is outside any value range";
    EXPECT_EQ(kept({.ValuedOnly = true}), "bac");
    EXPECT_THROW(kept({.ValueMin = 1, .ValueMax = 0.5}), FilterError);
}

TEST_F(CatalogueTest, ComparisonHasAColumnPerNuclideAndFormAndARatioForTwo) {
    AddIngestion("Cs-137", "a", 4e-9, 1);
    AddIngestion("Co-60", "b", 2e-9, 2);
    AddIngestion("Co-60", "c", 1e-9, 3);
    CoefficientCatalogue catalogue = Catalogue();
    Quantity quantity = AdultEffectiveIngestion();

    const Comparison two = CompareNuclides(catalogue, quantity, {"cs-137", "I-131"});
    ASSERT_EQ(two.Columns.size(), 1u) << "I-131 has no table";
    const Comparison pair = CompareNuclides(catalogue, quantity, {"Cs-137", "Co-60"});
    ASSERT_EQ(pair.Columns.size(), 3u);
    EXPECT_FALSE(pair.HasRatio()) << "two nuclides in three columns";

    const Comparison ratio = CompareNuclides(catalogue, quantity, {"Co-60", "Cs-137"});
    EXPECT_EQ(ratio.Columns[0].Form, "b");
    EXPECT_EQ(ratio.Columns[1].Form, "c");
    EXPECT_EQ(CompareNuclides(catalogue, quantity, {"Co-60"}).RatioHeading(), "Co-60 (b) / Co-60 (c)")
        << "one nuclide's two forms, told apart";
    db.Execute("DELETE FROM Fgr13ingGDB WHERE ID = 3");
    const Comparison plain = CompareNuclides(catalogue, quantity, {"Co-60", "Cs-137"});
    ASSERT_TRUE(plain.HasRatio());
    const auto effective = static_cast<std::size_t>(
        std::find(plain.Descriptors.begin(), plain.Descriptors.end(), "Effective") - plain.Descriptors.begin());
    ASSERT_LT(effective, plain.Descriptors.size());
    EXPECT_DOUBLE_EQ(*plain.Ratio(effective), 2e-9 / 4e-9);
    EXPECT_EQ(plain.RatioHeading(), "Co-60 / Cs-137");

    EXPECT_THROW(CompareNuclides(catalogue, quantity, {"Cs-137", "Zz-1"}), ComparisonError);
    EXPECT_THROW(CompareNuclides(catalogue, quantity, {}), ComparisonError);
    EXPECT_THROW(CompareNuclides(catalogue, quantity, std::vector<std::string>(13, "Cs-137")), ComparisonError);
}

class RecordingExploreView : public ExploreView {
public:
    void ShowChoices(const QuantityChoices& /*choices*/, const std::vector<std::string>& units,
                     const Quantity& chosen) override {
        Units = units;
        Chosen = chosen;
    }
    void ShowRows(const std::vector<CatalogueRow>& rows, const std::string& unit) override {
        Nuclides.clear();
        for (const auto& row : rows) Nuclides += row.Nuclide.Nuclide + " ";
        Unit = unit;
    }
    void ShowMessage(const std::string& message) override { Message = message; }

    std::vector<std::string> Units;
    Quantity Chosen;
    std::string Nuclides;
    std::string Unit;
    std::string Message;
};

// The explore table's rules through a recording view: the quantity's defaults, filters and
// their messages, sorting and the top rows.
class ExploreTest : public CatalogueTest {
protected:
    ExploreTest() {
        std::int64_t id = 0;
        for (const auto& [nuclide, value] : std::vector<std::pair<std::string, double>>{
                 {"H-3", 1.8e-11}, {"Co-60", 3.4e-9}, {"Cs-137", 1.3e-8}, {"I-131", 2.2e-8}})
            AddIngestion(nuclide, "", value, ++id);
    }

    RecordingExploreView view;
};

TEST_F(ExploreTest, AKindStartsAtTheAdultEffectiveDoseHighestFirst) {
    CoefficientCatalogue catalogue = Catalogue();
    ExploreModel model(catalogue, view);
    model.SetKind({});
    EXPECT_EQ(view.Chosen.Age, "Adult");
    EXPECT_EQ(view.Chosen.Descriptor, "Effective");
    EXPECT_EQ(view.Units.size(), static_cast<std::size_t>(catalogue.Units().DoseUnits.UnitCount(1)));
    EXPECT_EQ(view.Nuclides, "I-131 Cs-137 Co-60 H-3 ");
    EXPECT_EQ(view.Message, "");

    model.SortBy(RowColumn::HalfLife, true);
    EXPECT_EQ(view.Nuclides, "I-131 Co-60 H-3 Cs-137 ");
    model.SetUnitPosition(2);
    EXPECT_EQ(view.Unit, catalogue.UnitOf({}, 2).Name);
    std::ostringstream tsv;
    WriteRows(RowFormat::Tsv, "", tsv, [&](RowWriter& writer) { model.WriteShown(writer); });
    const std::string text = tsv.str();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 5) << "the headings and four rows";
}

// +D with a made-up chain H-3 -> Co-60 (fraction 1): the parent's rank rises by the member's
// dose, the unit names the cutoff (in the CSV too), and switching it off gives the tabulated values again.
TEST_F(ExploreTest, ProgenyValuesReRankAndSayWhatTheyCount) {
    db.Execute(
        "CREATE TABLE Daughters (Nuclide TEXT, \"Half-life (s)\" REAL, Daughter TEXT, \"Branching Fraction\" "
        "REAL, \"Daughter T1/2\" TEXT, \"Daughter Half-life (s)\" REAL, ID INTEGER, Source TEXT)");
    db.Insert("Daughters", {"H-3", 3.9e8, "Co-60", 1.0, "5.27 y", 1.66e8, std::int64_t{1}, "index:1"});
    CoefficientCatalogue catalogue = Catalogue();
    ExploreModel model(catalogue, view);
    model.SetKind({});
    model.SetProgeny(10 * 365.25 * 86400.0);
    EXPECT_EQ(view.Nuclides, "I-131 Cs-137 H-3 Co-60 ") << "H-3 now carries Co-60's dose";
    EXPECT_NE(view.Unit.find("+D, T1/2 < 3652.5 d"), std::string::npos) << view.Unit;
    std::ostringstream csv;
    WriteRows(RowFormat::Csv, "", csv, [&](RowWriter& writer) { model.WriteShown(writer); });
    std::istringstream lines(csv.str());
    int labelled = 0;
    for (std::string line; std::getline(lines, line);)
        labelled += line.find(",\"" + view.Unit + "\",") != std::string::npos;
    EXPECT_EQ(labelled, 4) << "every row of the CSV says +D in its unit\n" << csv.str();
    model.SetProgeny(std::nullopt);
    EXPECT_EQ(view.Nuclides, "I-131 Cs-137 Co-60 H-3 ");
}

TEST_F(ExploreTest, FiltersShowTheirRowsOrSayWhatIsWrong) {
    CoefficientCatalogue catalogue = Catalogue();
    ExploreModel model(catalogue, view);
    model.SetKind({});
    model.SetFilter({.HalfLifeMin = "1 y", .Top = "2"});
    EXPECT_EQ(view.Nuclides, "Cs-137 Co-60 ");

    model.SetFilter({.ZMin = "50", .ZMax = "3"});
    EXPECT_EQ(view.Nuclides, "");
    EXPECT_NE(view.Message.find("upside down"), std::string::npos) << view.Message;
    model.SetFilter({.ValueMin = "lots"});
    EXPECT_NE(view.Message.find("lots"), std::string::npos) << view.Message;

    model.SetFilter({.Element = "iodine"});
    EXPECT_EQ(view.Nuclides, "I-131 ");
    EXPECT_EQ(view.Message, "");
    model.SetFilter({.Text = "xenon"});
    EXPECT_FALSE(view.Message.empty()) << "an empty table says why";

    model.SetKind({CoefficientType::Risk, Pathway::Ingestion});
    EXPECT_EQ(view.Nuclides, "");
    EXPECT_FALSE(view.Message.empty());

    // A risk table starts at the Total of the sites, Co-60's the higher.
    model.SetFilter({});
    for (const auto& [nuclide, total] : std::vector<std::pair<std::string, double>>{{"Co-60", 2e-9}, {"H-3", 1e-9}})
        for (const char* site : {"Esophagus", "Total"}) {
            std::vector<FieldValue> row{FieldValue(site)};
            for (int j = 0; j < 10; ++j) row.emplace_back(std::string(site) == "Total" ? total : 3e-9 - total);
            db.AddIngestionRiskRecord(nuclide, "Water", FieldValue(), "0.1", row, 0);
        }
    model.SetKind({CoefficientType::Risk, Pathway::Ingestion});
    EXPECT_EQ(view.Chosen.Descriptor, "Total");
    EXPECT_EQ(view.Nuclides, "Co-60 H-3 ");
}

// Screening limits in place of the coefficients: 1 mSv over each coefficient in the unit
// chosen (a pCi is 0.037 Bq), the most restrictive first when sorted so, written with the
// coefficients divided by; a target the table cannot take says why in place of the rows.
TEST_F(ExploreTest, LimitsAreTheTargetOverEachCoefficient) {
    CoefficientCatalogue catalogue = Catalogue();
    ExploreModel model(catalogue, view);
    model.SetKind({});
    model.SetMeasure(std::make_shared<LimitMeasure>(catalogue, "1 mSv"));
    model.SortBy(RowColumn::Value, true);
    EXPECT_EQ(view.Nuclides, "I-131 Cs-137 Co-60 H-3 ");
    const auto pCi = std::find(view.Units.begin(), view.Units.end(), "pCi");
    ASSERT_NE(pCi, view.Units.end());
    model.SetUnitPosition(static_cast<int>(pCi - view.Units.begin()) + 1);
    std::ostringstream csv;
    WriteRows(RowFormat::Csv, "", csv, [&](RowWriter& writer) { model.WriteShown(writer); });
    std::istringstream lines(csv.str());
    std::string line;
    std::getline(lines, line);
    int rows = 0;
    for (; std::getline(lines, line); ++rows) {
        const auto fields = SplitCsvLine(line);
        ASSERT_GE(fields.size(), 8u) << line;
        const double coefficient = *ReadNumber(fields[7]);
        EXPECT_NEAR(*ReadNumber(fields[5]) * 0.037 * coefficient / 1e-3, 1, 5e-3) << line;
    }
    EXPECT_EQ(rows, 4);

    model.SetMeasure(std::make_shared<LimitMeasure>(catalogue, "1E-6"));
    EXPECT_EQ(view.Nuclides, "");
    EXPECT_NE(view.Message.find("dose"), std::string::npos) << view.Message;
    model.SetMeasure(nullptr);
    EXPECT_EQ(view.Nuclides, "H-3 Co-60 Cs-137 I-131 ") << "the coefficients again, lowest first";
    EXPECT_EQ(view.Unit, catalogue.UnitOf({}, 1).Name);
}

}  // namespace
}  // namespace quorvel

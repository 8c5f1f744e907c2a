// The explore table's rules through a recording view: the quantity's defaults, filters and
// their messages, sorting and the top rows.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "ExploreModel.h"
#include "FixtureDatabase.h"

namespace quorvel {
namespace {

class RecordingExploreView : public ExploreView {
public:
    void ShowChoices(const QuantityChoices& choices, const std::vector<std::string>& units,
                     const Quantity& chosen) override {
        Choices = choices;
        Units = units;
        Chosen = chosen;
    }
    void ShowRows(const std::vector<CatalogueRow>& rows, const std::string& unit) override {
        Nuclides.clear();
        for (const auto& row : rows) Nuclides += row.Nuclide.Nuclide + " ";
        Unit = unit;
    }
    void ShowMessage(const std::string& message) override { Message = message; }

    QuantityChoices Choices;
    std::vector<std::string> Units;
    Quantity Chosen;
    std::string Nuclides;
    std::string Unit;
    std::string Message;
};

class ExploreModelTest : public ::testing::Test {
protected:
    ExploreModelTest() {
        db.CreateStartUpTables();
        db.AddNuclide("53", "Iodine", "I-131", "8.02 d", "I/E");
        std::int64_t id = 0;
        for (const auto& [nuclide, value] : std::vector<std::pair<std::string, double>>{
                 {"H-3", 1.8e-11}, {"Co-60", 3.4e-9}, {"Cs-137", 1.3e-8}, {"I-131", 2.2e-8}})
            db.AddDose("Fgr13ingGDB", nuclide, {{Effective, value}}, ++id);
    }
    static constexpr int Effective = 25;

    test::FixtureDatabase db;
    RecordingExploreView view;
};

TEST_F(ExploreModelTest, AKindStartsAtTheAdultEffectiveDoseHighestFirst) {
    CoefficientCatalogue catalogue(db.Path());
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
TEST_F(ExploreModelTest, ProgenyValuesReRankAndSayWhatTheyCount) {
    db.Execute("CREATE TABLE Daughters (Nuclide TEXT, \"Half-life (s)\" REAL, Daughter TEXT, \"Branching Fraction\" "
               "REAL, \"Daughter T1/2\" TEXT, \"Daughter Half-life (s)\" REAL, ID INTEGER, Source TEXT)");
    db.Insert("Daughters", {"H-3", 3.9e8, "Co-60", 1.0, "5.27 y", 1.66e8, std::int64_t{1}, "index:1"});
    CoefficientCatalogue catalogue(db.Path());
    ExploreModel model(catalogue, view);
    model.SetKind({});
    model.SetProgeny(10 * 365.25 * 86400.0);
    EXPECT_EQ(view.Nuclides, "I-131 Cs-137 H-3 Co-60 ") << "H-3 now carries Co-60's dose";
    EXPECT_NE(view.Unit.find("+D, T1/2 < 3652.5 d"), std::string::npos) << view.Unit;
    std::ostringstream csv;
    WriteRows(RowFormat::Csv, "", csv, [&](RowWriter& writer) { model.WriteShown(writer); });
    std::istringstream lines(csv.str());
    int labelled = 0;
    for (std::string line; std::getline(lines, line);) labelled += line.find(",\"" + view.Unit + "\",") != std::string::npos;
    EXPECT_EQ(labelled, 4) << "every row of the CSV says +D in its unit\n" << csv.str();
    model.SetProgeny(std::nullopt);
    EXPECT_EQ(view.Nuclides, "I-131 Cs-137 Co-60 H-3 ");
}

TEST_F(ExploreModelTest, FiltersShowTheirRowsOrSayWhatIsWrong) {
    CoefficientCatalogue catalogue(db.Path());
    ExploreModel model(catalogue, view);
    model.SetKind({});
    model.SetFilter({.HalfLifeMin = "1 y", .Top = "2"});
    EXPECT_EQ(view.Nuclides, "Cs-137 Co-60 ");

    model.SetFilter({.ZMin = "50", .ZMax = "3"});
    EXPECT_EQ(view.Nuclides, "");
    EXPECT_NE(view.Message.find("upside down"), std::string::npos) << view.Message;
    model.SetFilter({.ValueMin = "lots"});
    EXPECT_NE(view.Message.find("lots"), std::string::npos) << view.Message;
    model.SetFilter({.HalfLifeMax = "3 fortnights"});
    EXPECT_NE(view.Message.find("half-life"), std::string::npos) << view.Message;
    model.SetFilter({.Top = "0"});
    EXPECT_FALSE(view.Message.empty());

    model.SetFilter({.Element = "iodine"});
    EXPECT_EQ(view.Nuclides, "I-131 ");
    EXPECT_EQ(view.Message, "");
    model.SetFilter({.Text = "xenon"});
    EXPECT_FALSE(view.Message.empty()) << "an empty table says why";

    model.SetKind({RiskCoefficients, IngestionPathway, SubmersionGeometry});
    EXPECT_EQ(view.Nuclides, "");
    EXPECT_FALSE(view.Message.empty());
}

}  // namespace
}  // namespace quorvel

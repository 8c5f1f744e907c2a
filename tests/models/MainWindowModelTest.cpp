// The main window's rules without a window: the units it remembers, a request that cannot
// be made or fails, and the table shown with what its cells, chart and tools take from it.
#include <gtest/gtest.h>

#include "FixtureDatabase.h"
#include "MainWindowModel.h"
#include "NuclideList.h"
#include "Recorders.h"

namespace quorvel {
namespace {

const std::string Shipped = QUORVEL_APPLICATION_DIRECTORY "/DoseAndRisk.mdb";

const TableKind IngestionDose{CoefficientType::Dose, Pathway::Ingestion};
const TableKind IngestionRisk{CoefficientType::Risk, Pathway::Ingestion};
const TableKind GroundPlaneDose{CoefficientType::Dose, Pathway::External, ExternalGeometry::GroundPlane};

class MainWindowModelTest : public testing::Test {
protected:
    void Open(const std::string& path) {
        model_.OpenDatabase(path);
        Recordset nuclides = model_.Session().NuclideRecords();
        model_.SetEntries(ReadNuclideListEntries(nuclides));
    }
    // Options as the window sets them: a new kind selects the unit its list remembers.
    void Choose(const std::string& nuclide, const TableKind& kind, bool progeny = false) {
        MainWindowOptions options = model_.Options();
        options.Nuclide = nuclide;
        options.Kind = kind;
        options.Progeny = progeny;
        model_.SetOptions(options);
        SelectUnit(model_.Units().Selected);
    }
    void SelectUnit(int index) {
        MainWindowOptions options = model_.Options();
        options.UnitIndex = index;
        model_.SetOptions(options);
    }

    test::RecordingBusyPointer busy_;
    MainWindowModel model_{busy_};
};

TEST_F(MainWindowModelTest, AUnitIsRememberedPerTypeAndCategoryOnlyWhenARequestIsMadeWithIt) {
    test::FixtureDatabase fixture;
    fixture.CreateStartUpTables();
    Open(fixture.Path());
    UserSettings stored;
    stored.SavedDoseUnit[3] = 7;  // beyond the ground plane's list
    stored.SavedRiskUnit[1] = 2;
    model_.RestoreUnits(stored);

    Choose("H-3", IngestionDose);
    EXPECT_EQ(model_.Units().Names, (std::vector<std::string>{"Sv/Bq", "mSv/Bq", "rem/Ci"}));
    EXPECT_EQ(model_.Units().Selected, 0);
    SelectUnit(2);
    ASSERT_TRUE(model_.Apply());
    EXPECT_EQ(model_.SavedUnit(CoefficientType::Dose, 1), 3);
    Choose("H-3", IngestionRisk);
    EXPECT_EQ(model_.Units().Selected, 1) << "as user.ini had it";
    Choose("H-3", IngestionDose);
    EXPECT_EQ(model_.Units().Selected, 2);
    SelectUnit(1);  // chosen, never requested
    Choose("H-3", IngestionRisk);
    Choose("H-3", IngestionDose);
    EXPECT_EQ(model_.Units().Selected, 2);
    Choose("H-3", GroundPlaneDose);
    EXPECT_EQ(model_.Units().Names, std::vector<std::string>{"Sv m2/(Bq s)"});
    EXPECT_EQ(model_.Units().Selected, 0) << "a remembered position the list lacks selects its first unit";

    UserSettings written;
    model_.StoreUnits(written);
    stored.SavedDoseUnit[1] = 3;
    EXPECT_EQ(written.SavedDoseUnit, stored.SavedDoseUnit);
    EXPECT_EQ(written.SavedRiskUnit, stored.SavedRiskUnit);
}

TEST_F(MainWindowModelTest, ARequestWithoutUnitOrThatFailsKeepsTheTableShownStaleAndSaysWhy) {
    test::FixtureDatabase fixture;
    fixture.CreateStartUpTables();
    fixture.Execute("DROP TABLE \"Dose Units\"");
    fixture.CreateUnitTable("Dose Units", {{{"Sv/Bq", 1}}, {{"Sv m3/(Bq s)", 1}}, {}, {{"Sv m3/(Bq s)", 1}}});
    Open(fixture.Path());
    // The status says why a table is empty.
    Choose("h-3x", IngestionDose);
    ASSERT_TRUE(model_.Apply());
    EXPECT_EQ(model_.RequestStatus(), "No nuclide \"h-3x\" in the list of this database.");
    Choose("h-3", IngestionDose);
    ASSERT_TRUE(model_.Apply());
    EXPECT_TRUE(model_.GridIsCurrent());
    EXPECT_EQ(model_.Grid().TextMatrix(1, 0), "(None Available)");
    EXPECT_EQ(model_.RequestStatus(), "This database holds no ingestion dose coefficients at all.");
    const int busyBefore = busy_.Shown;

    Choose("H-3", GroundPlaneDose);
    EXPECT_EQ(model_.Units().Selected, -1);
    EXPECT_FALSE(model_.Apply());
    EXPECT_EQ(busy_.Shown, busyBefore) << "no request ran";
    EXPECT_FALSE(model_.GridIsCurrent());

    Choose("H-3", IngestionRisk, true);
    MainWindowOptions options = model_.Options();
    options.ProgenyCutoff = "5 weeks";
    model_.SetOptions(options);
    EXPECT_THROW(model_.ProgenyCutoffSeconds(), ProgenyCutoffError);
    EXPECT_THROW(model_.Apply(), ProgenyCutoffError);
    EXPECT_FALSE(model_.GridIsCurrent());

    fixture.Execute("DROP TABLE FGR13INGRBS");
    Choose("H-3", IngestionRisk);
    try {
        model_.Apply();
        ADD_FAILURE() << "the lookup cannot succeed";
    } catch (const LookupFailure& e) {
        const std::string message = e.what();
        EXPECT_EQ(message.rfind("An error (The table FGR13INGRBS could not be shown for \"H-3\": ", 0), 0U) << message;
        EXPECT_TRUE(message.ends_with(
            ") occured while looking up the coefficients.  The table shown is the one before this request."))
            << message;
    }
    EXPECT_FALSE(model_.GridIsCurrent());
    EXPECT_EQ(model_.Grid().TextMatrix(1, 0), "(None Available)");
    EXPECT_EQ(busy_.Depth, 0);
    EXPECT_EQ(model_.Shown()->Request.Kind, IngestionDose);

    Choose("H-3", IngestionDose);
    EXPECT_TRUE(model_.Apply());
    EXPECT_TRUE(model_.GridIsCurrent());
    EXPECT_EQ(model_.RequestStatus(), "This database holds no ingestion dose coefficients at all.");
}

// The +D table of Cs-137 on the ground: its name, each value's terms summing to what the
// grid shows, its source and its chart; a risk table typed in lower case, named as the
// list spells it.
TEST_F(MainWindowModelTest, TheTableShownNamesItselfItsCellsAndItsChartAndHandsTheToolsTheOptions) {
    Open(Shipped);
    Choose(" cs-137\t", GroundPlaneDose, true);
    EXPECT_EQ(model_.ToolNuclide(), "cs-137");
    Choose("Cs-137", GroundPlaneDose, true);
    ASSERT_TRUE(model_.Apply());
    EXPECT_EQ(model_.ShownTableName(), (std::vector<std::string>{"Cs-137", "Ground Plane", "Dose", "+D"}));
    EXPECT_NE(model_.RequestStatus().find("Ba-137m"), std::string::npos) << model_.RequestStatus();

    const FlexGrid& grid = model_.Grid();
    int values = 0;
    for (int row = 0; row < grid.Rows(); ++row)
        for (int col = 0; col < grid.Cols(); ++col) {
            const std::string tip = model_.CellToolTip(row, col);
            const int index = grid.CellCoefficient(row, col);
            if (index < 0 || grid.TextMatrix(row, col).empty()) {
                EXPECT_EQ(tip, "") << row << "," << col;
                continue;
            }
            ++values;
            const std::string& source = model_.Shown()->Table.Cells[static_cast<std::size_t>(index)].Source;
            ASSERT_FALSE(source.empty());
            EXPECT_EQ(tip.rfind("Cs-137: ", 0), 0U) << tip;
            EXPECT_NE(tip.find("\n+ Ba-137m: "), std::string::npos) << tip;
            EXPECT_TRUE(tip.ends_with("\n= " + grid.TextMatrix(row, col) + "\n" + source)) << tip;
        }
    EXPECT_GT(values, 10);

    ASSERT_TRUE(model_.ChartWanted());
    const ChartChoices choices = model_.ChartChoicesOf("by-age");
    EXPECT_EQ(choices.Kind, "organs") << "the one kind of an external dose table";
    EXPECT_TRUE(choices.Descriptors.empty());
    EXPECT_EQ(choices.Ages.size(), 1U);
    const ChartData chart = model_.ShownChart({choices.Kind, "", ""});
    ASSERT_FALSE(chart.Series.empty());
    model_.ChartDrawn();
    EXPECT_FALSE(model_.ChartWanted());
    model_.ChartChoiceChanged();
    EXPECT_TRUE(model_.ChartWanted());

    const MixtureRow onTheGround = model_.CalculatorRow();
    EXPECT_EQ(onTheGround.Pathway, "ground-plane");
    EXPECT_EQ(onTheGround.Unit, "Bq/m2");
    Choose("cs-137", IngestionRisk);
    const MixtureRow eaten = model_.CalculatorRow();
    EXPECT_EQ(eaten.Pathway, "ingestion");
    EXPECT_EQ(eaten.Unit, "Bq");
    ASSERT_TRUE(model_.Apply());
    const ChartChoices risk = model_.ChartChoicesOf("organs");
    EXPECT_EQ(risk.Kind, "by-age") << "a kind the table lacks gives way to its first";
    EXPECT_NE(std::find(risk.Descriptors.begin(), risk.Descriptors.end(), "Total"), risk.Descriptors.end());
    EXPECT_EQ(model_.ShownTableName(), (std::vector<std::string>{"Cs-137", "Ingestion", "Risk", ""}))
        << "as the list spells it, without +D";
}

}  // namespace
}  // namespace quorvel

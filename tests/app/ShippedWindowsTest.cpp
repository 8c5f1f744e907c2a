// The windows on the shipped database. The main window's chart pane draws the grid's
// numbers, goes stale with the grid, stays hidden once hidden, and writes and copies its
// picture; the decay chain, intake calculator and compare windows.
#include <QAbstractBarSeries>
#include <QApplication>
#include <QBarSet>
#include <QChart>
#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QXYSeries>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

#include "ChartPane.h"
#include "CompareWindow.h"
#include "CsvFields.h"
#include "Database.h"
#include "DecayChainWindow.h"
#include "DesktopFakes.h"
#include "FixtureDatabase.h"
#include "GridConventions.h"
#include "IntakeCalculatorWindow.h"
#include "ResultGridView.h"
#include "ScientificFormat.h"
#include "frmPrimarySelectionForm.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;

const std::string PngSignature = "\x89PNG";
const std::string Shipped = std::string(QUORVEL_APPLICATION_DIRECTORY) + "/DoseAndRisk.mdb";

// Every value the chart draws, read from its series.
std::vector<double> ChartValues(const QChart& chart) {
    std::vector<double> values;
    for (QAbstractSeries* series : chart.series()) {
        if (auto* line = qobject_cast<QXYSeries*>(series))
            for (const QPointF& point : line->points()) values.push_back(point.y());
        if (auto* bars = qobject_cast<QAbstractBarSeries*>(series))
            for (QBarSet* set : bars->barSets())
                for (int i = 0; i < set->count(); ++i) values.push_back(set->at(i));
    }
    return values;
}

// A number the grid shows, to its three or four significant digits.
bool AmongGridNumbers(double value, const FlexGrid& grid) {
    for (int r = 0; r < grid.Rows(); ++r)
        for (int c = 0; c < grid.Cols(); ++c) {
            const std::string text = grid.TextMatrix(r, c);
            char* end = nullptr;
            const double number = std::strtod(text.c_str(), &end);
            if (end != text.c_str() && *end == '\0' && std::abs(number - value) <= 5e-3 * std::abs(number)) return true;
        }
    return false;
}

class ChartPaneTest : public testing::Test {
protected:
    void SetUp() override {
        fs::copy_file(Shipped, folder_.Path() / "DoseAndRisk.mdb");
        form_ = std::make_unique<frmPrimarySelectionForm>(desktop_.Services(folder_.Path().string()));
        ASSERT_TRUE(form_->Load());
        form_->show();
    }

    template <class T>
    T* Child(const char* name) const {
        T* child = form_->findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    void Request(const char* nuclide, const char* type, const char* pathway) {
        Child<QRadioButton>(type)->click();
        Child<QRadioButton>(pathway)->click();
        Child<QLineEdit>("txtSelectedNuclide")->setText(nuclide);
        form_->Apply();
    }
    // The chart's values are the grid's, and there are some.
    void ExpectTheGridsNumbers() const {
        ASSERT_TRUE(form_->GridIsCurrent());
        const std::vector<double> values = ChartValues(*form_->Chart()->Chart());
        EXPECT_GE(values.size(), 3u);
        for (double value : values) EXPECT_TRUE(AmongGridNumbers(value, form_->MSFlexGrid1())) << value;
    }

    test::TemporaryFolder folder_;
    test::RecordingDesktop desktop_;
    std::unique_ptr<frmPrimarySelectionForm> form_;
};

TEST_F(ChartPaneTest, EachRequestDrawsTheGridsNumbersWithItsProgenyOption) {
    Request("Sr-90", "optType0", "optCoefficients0");
    ExpectTheGridsNumbers();
    const std::vector<double> alone = ChartValues(*form_->Chart()->Chart());

    Child<QCheckBox>("chkProgeny")->setChecked(true);
    form_->Apply();
    ExpectTheGridsNumbers();
    EXPECT_NE(ChartValues(*form_->Chart()->Chart()), alone) << "Sr-90+D adds Y-90";
    const std::string title = form_->MSFlexGrid1().TextMatrix(0, 0);
    EXPECT_NE(title.find("+D (Y-90"), std::string::npos) << title;
    EXPECT_NE(form_->StatusText().find("Y-90"), std::string::npos) << form_->StatusText();

    Child<QLineEdit>("txtProgenyCutoff")->setText("5 weeks");
    form_->Apply();
    ASSERT_EQ(desktop_.Prompt.Messages.size(), 1u);
    EXPECT_NE(desktop_.Prompt.Messages[0].find("cutoff"), std::string::npos) << "no duration";
    EXPECT_FALSE(form_->GridIsCurrent());
}

// On screen every heading text shows whole, a group heading over the columns it heads.
TEST_F(ChartPaneTest, HeadingTextsShowWholeAndGroupHeadingsSpanTheirColumns) {
    auto* view = Child<ResultGridView>("MSFlexGrid1");
    const FlexGrid& grid = form_->MSFlexGrid1();
    Child<QCheckBox>("chkProgeny")->setChecked(true);
    // Ingestion risk, "Mortality" over five columns; inhalation dose, "ICRP-72 effective dose
    // only" at the end of Type S's line; both with "+D (Ba-137m x 0.946)" in their titles.
    for (const auto& [type, pathway] : {std::pair{"optType1", "optCoefficients0"}, {"optType0", "optCoefficients1"}}) {
        Request("Cs-137", type, pathway);
        int groups = 0;
        for (int row = 0; row < grid.Rows(); ++row) {
            if (grid.RowStructureAt(row).Role != RowRole::Title && grid.RowStructureAt(row).Role != RowRole::Heading)
                continue;
            for (int col = 0; col < grid.Cols(); ++col) {
                if (grid.TextMatrix(row, col).empty()) continue;
                QModelIndex shown = view->model()->index(row, col);
                if (const auto group = grid.GroupHeadingColumns(row, col)) {
                    ++groups;
                    EXPECT_EQ(view->columnSpan(row, group->first), group->second - group->first + 1);
                    shown = view->model()->index(row, group->first);
                    EXPECT_EQ(shown.data().toString().toStdString(), grid.TextMatrix(row, col));
                }
                EXPECT_FALSE(view->TextIsCut(shown)) << grid.TextMatrix(row, col);
            }
        }
        EXPECT_EQ(groups > 0, std::string(type) == "optType1");
    }
}

TEST_F(ChartPaneTest, TheChartGoesStaleWithTheGridAndStaysHiddenOnceHidden) {
    Request("I-131", "optType0", "optCoefficients1");
    const auto background = [this] { return form_->Chart()->Chart()->backgroundBrush().color(); };
    const QColor current = background();
    Child<QLineEdit>("txtSelectedNuclide")->setText("I-13");
    EXPECT_FALSE(form_->GridIsCurrent());
    EXPECT_NE(background(), current);
    form_->Apply();
    EXPECT_EQ(background(), current);

    form_->ChartDock()->close();
    Request("Co-60", "optType0", "optCoefficients2");
    EXPECT_TRUE(form_->ChartDock()->isHidden());
    form_->ChartDock()->show();
    ExpectTheGridsNumbers();
}

TEST_F(ChartPaneTest, TheChartIsSavedAndCopiedAndAnUnwritableFileOrNoPrinterIsSaid) {
    Request("Cs-137", "optType0", "optCoefficients2");
    const fs::path png = folder_.Path() / "chart.png";
    desktop_.Files.Answers = {png.string()};
    Child<QPushButton>("cmdSaveChart")->click();
    EXPECT_EQ(test::ReadBytes(png).substr(0, 4), PngSignature);
    EXPECT_TRUE(desktop_.Prompt.Messages.empty());

    Child<QPushButton>("cmdCopyChart")->click();
    EXPECT_EQ(desktop_.Clipboard.Picture.substr(0, 4), PngSignature);

    desktop_.Files.Answers = {(folder_.Path() / "missing" / "chart.svg").string()};
    Child<QPushButton>("cmdSaveChart")->click();
    ASSERT_EQ(desktop_.Prompt.Messages.size(), 1u);
    EXPECT_NE(desktop_.Prompt.Messages.front().find("chart.svg"), std::string::npos)
        << desktop_.Prompt.Messages.front();

    Child<QPushButton>("cmdPrintChart")->click();
    ASSERT_EQ(desktop_.Prompt.Messages.size(), 2u) << "no printer is said";
}

QPushButton* ButtonOf(QWidget& window, const QString& caption) {
    for (auto* button : window.findChildren<QPushButton*>())
        if (button->text() == caption) return button;
    return nullptr;
}

DatabaseSession& ShippedSession() {
    static DatabaseSession session(Shipped);
    return session;
}

TEST(DecayChainWindow, ShowsTheChainAndHandsAMemberToTheMainWindow) {
    DecayChainWindow window(ShippedSession());
    window.ShowChain("U-238");
    std::vector<std::string> members;
    for (int row = 0; row < window.Chain().Rows(); ++row)
        if (!window.MemberAt(row).empty()) members.push_back(window.MemberAt(row));
    EXPECT_EQ(members.front(), "U-238");
    EXPECT_EQ(members.back(), "U-234");

    window.ShowChain("Xx-1");
    EXPECT_NE(window.Message().find("Xx-1"), std::string::npos);
    for (int row = 0; row < window.Chain().Rows(); ++row)
        EXPECT_EQ(window.MemberAt(row), "") << "no stale chain of another nuclide";
}

// The results go grey with any change of the mixture and Export calculates first: the file
// (read back as CSV) holds the rows shown. A row that needs a form offers them in its form
// cell; a decaying deposit is a check box; the fields show their whole texts on a small screen.
TEST(IntakeCalculatorWindow, WritesOnlyResultsOfTheRowsShownAndOffersTheForms) {
    IntakeCalculatorWindow window(ShippedSession());
    window.SetRows({ReadMixtureRow("Cs-137,ingestion,,,Adult,1E4,Bq", 1),
                    ReadMixtureRow("Cs-137,inhalation,,,,1,Bq", 2),
                    ReadMixtureRow("I-131,ground-plane,,,,1,Bq/m2,1,d,decaying", 3)});
    window.Calculate();
    EXPECT_EQ(window.Results().BackColour(), CurrentTableColour);
    EXPECT_NE(window.Steps().find("1.36E-04 Sv = 0.136 mSv"), std::string::npos) << window.Steps();
    auto* mixture = window.findChild<QTableWidget*>("Mixture");
    const auto& columns = MixtureColumns();
    const auto column = [&](const char* name) {
        return std::find(columns.begin(), columns.end(), name) - columns.begin();
    };
    EXPECT_EQ(mixture->item(2, column("decay"))->checkState(), Qt::Checked);
    auto* forms = qobject_cast<QComboBox*>(mixture->cellWidget(1, column("form")));
    ASSERT_NE(forms, nullptr) << "Cs-137 inhalation has three forms";
    emit forms->activated(forms->findData("S"));
    EXPECT_EQ(window.Rows()[1].Form, "S");
    mixture->item(0, column("amount"))->setText("2E4");
    EXPECT_EQ(window.Results().BackColour(), StaleTableColour);

    test::TemporaryFolder folder;
    const std::string path = (folder.Path() / "results.csv").string();
    std::string offered;
    window.ChooseFile = [&](bool, const std::string& name, const std::string&) {
        offered = name;
        return std::optional(path);
    };
    ButtonOf(window, "Export . . .")->click();
    EXPECT_EQ(window.Results().BackColour(), CurrentTableColour);
    EXPECT_TRUE(offered.ends_with(".csv") && offered.find('*') == std::string::npos) << "a name offered: " << offered;
    std::istringstream written(test::ReadBytes(path));
    std::vector<std::vector<std::string>> lines;
    for (std::string line; std::getline(written, line);) lines.push_back(SplitCsvLine(line));
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[1][6], "2E4");
    EXPECT_NEAR(std::stod(lines[1][10]), 2e4 * 1.356e-8 / 1e-3, 0.01) << "mSv";
    EXPECT_NEAR(std::stod(lines[2][10]), 3.9e-8 / 1e-3, 1e-7) << "Type S";

    const FlexGrid* copied = nullptr;
    window.CopyTable = [&](const FlexGrid& grid) { copied = &grid; };
    ButtonOf(window, "Copy")->click();
    EXPECT_EQ(copied, &window.Results());

    // Intake giving 1 mSv for the first row, put into it: calculated, it gives 1 mSv.
    window.AskYesNo = [](const std::string&) { return true; };
    mixture->setCurrentCell(0, 0);
    window.findChild<QLineEdit*>("txtLimitTarget")->setText("1 mSv");
    window.IntakeGiving();
    EXPECT_EQ(window.Rows()[0].Amount, "7.37E+04") << "1E-3 Sv / 1.356E-08 Sv/Bq";
    window.Calculate();
    EXPECT_NEAR(*window.Model().Result().Rows[0].EffectiveDoseSv, 1e-3, 1e-6);

    window.show();
    QApplication::processEvents();
    for (auto* field : window.findChildren<QLineEdit*>()) {
        const QString text = field->text().isEmpty() ? field->placeholderText() : field->text();
        EXPECT_GE(field->width() - 8, field->fontMetrics().horizontalAdvance(text)) << text.toStdString();
    }

    const std::string mixturePath = (folder.Path() / "mixture.csv").string();
    ASSERT_TRUE(window.SaveMixture(mixturePath));
    window.SetRows({});
    ASSERT_TRUE(window.OpenMixture(mixturePath));
    ASSERT_EQ(window.Rows().size(), 3u);
    EXPECT_EQ(window.Rows()[2].Decay, "decaying");
    EXPECT_FALSE(window.SaveMixture((folder.Path() / "missing" / "mixture.csv").string()));
    EXPECT_NE(window.Message().find("could not be written"), std::string::npos);
    EXPECT_FALSE(window.OpenMixture((folder.Path() / "none.csv").string()));
}

// A risk comparison shows the intake and outcome picked above it: Cs-137's food morbidity
// total, as the database stores it for that source line; its print goes to a PDF file.
TEST(CompareWindow, ARiskComparisonFollowsThePickedIntakeAndOutcome) {
    test::RecordingDesktop desktop;
    DesktopServices services = desktop.Services(QUORVEL_APPLICATION_DIRECTORY);
    CoefficientCatalogue catalogue(ShippedSession());
    Quantity quantity;
    quantity.Kind = {CoefficientType::Risk, Pathway::Ingestion};
    quantity.Age = "Lifetime 0-110";
    quantity.Intake = "Tap Water";
    CompareWindow window(catalogue, quantity, {"Cs-137", "Cs-134"}, services);
    window.findChild<QComboBox*>("cboOutcome")->setCurrentText("Morbidity");
    window.findChild<QComboBox*>("cboIntake")->setCurrentText("Food");

    Recordset stored = ShippedSession().Connection().OpenQuery(
        "SELECT \"Morbidity Lifetime 0-110\" FROM FGR13INGRBS WHERE Nuclide = 'Cs-137' AND Intake = 'Food' AND "
        "\"Cancer Site\" = 'Total'");
    ASSERT_EQ(stored.RecordCount(), 1);
    const auto* table = window.findChild<QTableWidget*>("tblComparison");
    const auto total = table->findItems("Total", Qt::MatchExactly);
    ASSERT_EQ(total.size(), 1);
    EXPECT_EQ(table->item(total.front()->row(), 1)->text().toStdString(), FormatScientific(stored.Field(0).Number()));
    EXPECT_TRUE(table->horizontalHeaderItem(1)->text().startsWith("Cs-137\n")) << "the nuclide first, its form below";

    // Printed into a PDF file, whose name the dialog offers from what is printed.
    desktop.Printers.Names = {PdfPrinterName};
    desktop.Printers.Current = PdfPrinterName;
    test::TemporaryFolder folder;
    desktop.Files.Answers = {(folder.Path() / "compared").string()};
    window.findChild<QPushButton*>("cmdPrint")->click();
    ASSERT_EQ(desktop.Files.Asked.size(), 1u);
    EXPECT_TRUE(desktop.Files.Asked[0].starts_with("Cs-137 Cs-134 Ingestion risk")) << desktop.Files.Asked[0];
    EXPECT_EQ(test::ReadBytes(folder.Path() / "compared.pdf").substr(0, 5), "%PDF-");
    EXPECT_TRUE(desktop.Prompt.Messages.empty());
}

}  // namespace
}  // namespace quorvel

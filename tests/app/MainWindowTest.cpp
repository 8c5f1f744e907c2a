#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QTableWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "DesktopRecorders.h"
#include "FilePermissionsApply.h"
#include "FileSizeLimit.h"
#include "FixtureDatabase.h"
#include "HelpWindow.h"
#include "PrinterChoice.h"
#include "ResultGridView.h"
#include "ScientificFormat.h"
#include "frmPrimarySelectionForm.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;
using test::FixtureDatabase;
using test::RecordingDesktop;

const std::string InitializationEnd = ") has occured while initializing the parameters.  The code will now be terminated.";

std::string ReadBytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override { fixture_.CreateStartUpTables(); }

    std::string AppDir() const { return fixture_.Folder().string(); }
    fs::path IniPath() const { return fixture_.Folder() / "user.ini"; }
    void WriteIni(const std::string& content) const { std::ofstream(IniPath(), std::ios::binary) << content; }

    bool Start() {
        form_ = std::make_unique<frmPrimarySelectionForm>(desktop_.Services(AppDir()));
        return form_->Load();
    }
    template <class T>
    T* Child(const char* name) const {
        T* child = form_->findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    QComboBox* Units() const { return Child<QComboBox>("Combo1"); }
    QLineEdit* Nuclide() const { return Child<QLineEdit>("txtSelectedNuclide"); }
    QListWidget* List() const { return Child<QListWidget>("lstNuclides"); }
    QPushButton* Go() const { return Child<QPushButton>("cmdGO"); }
    void Click(const char* name) const { Child<QRadioButton>(name)->click(); }
    QStringList UnitNames() const {
        QStringList names;
        for (int i = 0; i < Units()->count(); ++i) names << Units()->itemText(i);
        return names;
    }
    int SelectedRow() const {
        const auto selected = List()->selectedItems();
        return selected.isEmpty() ? -1 : List()->row(selected.front());
    }

    FixtureDatabase fixture_;
    RecordingDesktop desktop_;
    std::unique_ptr<frmPrimarySelectionForm> form_;
};

// Start-up and the settings file.

TEST_F(MainWindowTest, WithoutUserIniTheWindowOpensMaximizedOnTheFirstNuclidesIngestionRiskTable) {
    ASSERT_TRUE(Start());
    EXPECT_TRUE(desktop_.Prompt.Messages.empty());
    EXPECT_TRUE(desktop_.End.Codes.empty());
    EXPECT_EQ(form_->windowTitle(), "Coefficient Viewer (Quorvel)");
    EXPECT_TRUE(form_->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(form_->DatabasePath(), AppDir() + "/DoseAndRisk.mdb");
    EXPECT_EQ(form_->PrintPaperStyle(), 2);
    EXPECT_EQ(Nuclide()->text(), "H-3");
    EXPECT_EQ(SelectedRow(), 0);
    EXPECT_EQ(List()->count(), 3);
    EXPECT_EQ(List()->item(1)->text(), " 27   Cobalt          Co-60       5.271 y      I/E ");
    EXPECT_TRUE(Child<QRadioButton>("optCoefficients0")->isChecked());
    EXPECT_TRUE(Child<QRadioButton>("optType1")->isChecked());
    EXPECT_TRUE(Child<QRadioButton>("optExternalType0")->isChecked());
    EXPECT_FALSE(Child<QRadioButton>("optExternalType0")->isEnabled());
    EXPECT_FALSE(Child<QGroupBox>("fraExternaltype")->isEnabled());
    EXPECT_EQ(UnitNames(), (QStringList{"per Bq", "per pCi"}));
    EXPECT_EQ(Units()->currentIndex(), 0);
    EXPECT_FALSE(Child<QCheckBox>("chkCompactDatabase")->isChecked());
    EXPECT_EQ(Child<QCheckBox>("chkCompactDatabase")->text(), "Compact database on exit.");
    EXPECT_EQ(Child<QCheckBox>("chkCompactDatabase")->toolTip(), "Keeps database at optimal size (recommended).");
    EXPECT_TRUE(form_->GridIsCurrent());
    EXPECT_EQ(Go()->text(), "Updated");
    EXPECT_EQ(form_->MSFlexGrid1().Rows(), 2);
    EXPECT_EQ(form_->MSFlexGrid1().TextMatrix(1, 0), "(None Available)");
    EXPECT_EQ(form_->SavedRiskUnit(1), 1) << "the first request used the first unit";
    EXPECT_FALSE(fs::exists(IniPath())) << "start-up writes nothing";
}

TEST_F(MainWindowTest, AnEmptyUserIniIsNoWindowGeometryAndOpensMaximizedOnTheFirstUnits) {
    WriteIni("");
    ASSERT_TRUE(Start());
    EXPECT_TRUE(form_->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(Units()->currentIndex(), 0);
    EXPECT_FALSE(Child<QCheckBox>("chkCompactDatabase")->isChecked());
    for (int category = 1; category <= 4; ++category) EXPECT_EQ(form_->SavedDoseUnit(category), 0);
}

TEST_F(MainWindowTest, StateZeroPlacesTheWindowAsStoredAndRestoresUnitsAndTheCheckBox) {
    WriteIni("0\r\n8100\r\n11700\r\n1440\r\n720\r\n3\r\n0\r\n0\r\n0\r\n2\r\n0\r\n0\r\n0\r\n1\r\n");
    ASSERT_TRUE(Start());
    const double dpiX = form_->logicalDpiX();
    const double dpiY = form_->logicalDpiY();
    EXPECT_FALSE(form_->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(form_->frameGeometry(), QRect(qRound(1440 * dpiX / 1440), qRound(720 * dpiY / 1440),
                                            qRound(11700 * dpiX / 1440), qRound(8100 * dpiY / 1440)))
        << "the whole window, frame included";
    EXPECT_EQ(Units()->currentText(), "per pCi");
    EXPECT_EQ(form_->SavedDoseUnit(1), 3);
    EXPECT_TRUE(Child<QCheckBox>("chkCompactDatabase")->isChecked());
}

TEST_F(MainWindowTest, StateOneOpensMaximizedNotMinimized) {
    WriteIni("1\r\n4320\r\n7200\r\n1440\r\n720\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");
    ASSERT_TRUE(Start());
    EXPECT_TRUE(form_->windowState() & Qt::WindowMaximized);
    EXPECT_FALSE(form_->windowState() & Qt::WindowMinimized);
}

TEST_F(MainWindowTest, ADamagedUserIniIsJudgedLineByLine) {
    struct Case {
        const char* Name;
        std::string Content;
        bool Maximized;
    };
    const std::string units = "1\r\n2\r\nx\r\n0\r\n9\r\n-3\r\n0\r\n0\r\n1\r\n";
    for (const Case& c : {Case{"words", "normal\r\n\r\nbig\r\n0\r\n0\r\n" + units, true},
                          Case{"binary", std::string("\0\xff\x13\r\n\x89PNG\r\n\0\0\r\n\1\r\n\2\r\n", 21) + units, true},
                          Case{"huge", "0\r\n491505\r\n14160\r\n0\r\n0\r\n" + units, true},
                          Case{"sound", "0\r\n8100\r\n11700\r\n0\r\n0\r\n" + units, false}}) {
        SCOPED_TRACE(c.Name);
        WriteIni(c.Content);
        ASSERT_TRUE(Start());
        EXPECT_TRUE(desktop_.Prompt.Messages.empty());
        EXPECT_EQ(bool(form_->windowState() & Qt::WindowMaximized), c.Maximized);
        EXPECT_EQ(form_->SavedDoseUnit(1), 1);
        EXPECT_EQ(form_->SavedDoseUnit(2), 2);
        EXPECT_EQ(form_->SavedDoseUnit(3), 0);
        EXPECT_EQ(Units()->currentIndex(), 0) << "risk position 9 is beyond the list: the first unit";
        EXPECT_TRUE(Child<QCheckBox>("chkCompactDatabase")->isChecked());
        form_.reset();
    }
}

TEST_F(MainWindowTest, AGeometryOffEveryScreenIsBroughtBack) {
    WriteIni("0\r\n8100\r\n11700\r\n900000\r\n-900000\r\n");
    ASSERT_TRUE(Start());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(screen.intersects(QRect(form_->pos(), form_->size())));
}

TEST_F(MainWindowTest, AMissingDatabaseEndsStartUpWithItsMessageAndLeavesUserIniAlone) {
    WriteIni("0\r\n1\r\n2\r\n");
    fs::remove(fixture_.Path());
    EXPECT_FALSE(Start());
    EXPECT_EQ(desktop_.Prompt.Messages,
              (std::vector<std::string>{"An error (Cannot open the database " + fixture_.Path() +
                                        ": unable to open database file" + InitializationEnd}));
    EXPECT_EQ(desktop_.End.Codes, (std::vector<int>{1}));
    EXPECT_EQ(ReadBytes(IniPath()), "0\r\n1\r\n2\r\n");
}

TEST_F(MainWindowTest, ADamagedDatabaseEndsStartUpWithItsMessage) {
    std::ofstream(fixture_.Path(), std::ios::binary | std::ios::trunc) << "this is not a database at all";
    EXPECT_FALSE(Start());
    ASSERT_EQ(desktop_.Prompt.Messages.size(), 1U);
    const std::string& message = desktop_.Prompt.Messages.front();
    EXPECT_EQ(message.rfind("An error (Cannot open the database " + fixture_.Path() + ": ", 0), 0U) << message;
    EXPECT_TRUE(message.ends_with(InitializationEnd)) << message;
    EXPECT_EQ(desktop_.End.Codes, (std::vector<int>{1}));
    EXPECT_FALSE(fs::exists(IniPath()));
}

TEST_F(MainWindowTest, AnUnreadableDatabaseEndsStartUpWithItsMessageAndIsLeftAsItWas) {
    const std::string stored = ReadBytes(fixture_.Path());
    fs::permissions(fixture_.Path(), fs::perms::none);
    {
        const test::FilePermissionsApply asAnyUser;
        EXPECT_FALSE(Start());
    }
    EXPECT_EQ(desktop_.Prompt.Messages,
              (std::vector<std::string>{"An error (Cannot open the database " + fixture_.Path() +
                                        ": Permission denied" + InitializationEnd}));
    EXPECT_EQ(desktop_.End.Codes, (std::vector<int>{1}));
    EXPECT_EQ(ReadBytes(fixture_.Path()), stored);
}

TEST_F(MainWindowTest, AMissingUnitTableEndsStartUp) {
    fixture_.Execute("DROP TABLE \"Risk Units\"");
    EXPECT_FALSE(Start());
    ASSERT_EQ(desktop_.Prompt.Messages.size(), 1U);
    EXPECT_TRUE(desktop_.Prompt.Messages.front().ends_with(InitializationEnd));
    EXPECT_EQ(desktop_.End.Codes, (std::vector<int>{1}));
}

TEST_F(MainWindowTest, AnEmptyNuclideTableShowsTheListMessageThenTerminatingCode) {
    fixture_.Execute("DELETE FROM Nuke2");
    EXPECT_FALSE(Start());
    EXPECT_EQ(desktop_.Prompt.Messages,
              (std::vector<std::string>{"An error (No current record.) has occured while setting the list of radionuclides.",
                                        "Terminating code."}));
    EXPECT_EQ(desktop_.End.Codes, (std::vector<int>{1}));
}

// Nuclide list and type-ahead.

TEST_F(MainWindowTest, TypingMovesTheListSelectionAndKeepsTheTextAsTyped) {
    ASSERT_TRUE(Start());
    Nuclide()->clear();
    EXPECT_EQ(SelectedRow(), 0) << "an empty text selects the first entry";
    QTest::keyClicks(Nuclide(), "c");
    EXPECT_EQ(SelectedRow(), 1);
    QTest::keyClicks(Nuclide(), "s-1");
    EXPECT_EQ(SelectedRow(), 2);
    EXPECT_EQ(Nuclide()->text(), "cs-1");
    QTest::keyClicks(Nuclide(), "x");
    EXPECT_EQ(SelectedRow(), -1);
    EXPECT_EQ(Nuclide()->text(), "cs-1x");
    EXPECT_FALSE(form_->GridIsCurrent());
}

TEST_F(MainWindowTest, EnterLooksUpTheTextAsTypedAndAClickCopiesTheEntrysName) {
    ASSERT_TRUE(Start());
    fixture_.AddIngestionRiskRecord("Co-60", "Water", FieldValue(), "0.1",
                                    {"Esophagus", 1e-10, 2e-10, 3e-10, 4e-10, 5e-10, 6e-10, 7e-10, 8e-10, 9e-10, 1e-9}, 1);
    Nuclide()->setText("Co");
    QTest::keyClick(Nuclide(), Qt::Key_Return);
    EXPECT_TRUE(form_->GridIsCurrent());
    EXPECT_EQ(form_->MSFlexGrid1().TextMatrix(1, 0), "(None Available)") << "a prefix is looked up as it stands";

    List()->setCurrentRow(2);
    EXPECT_EQ(Nuclide()->text(), "Cs-137");
    EXPECT_FALSE(form_->GridIsCurrent());
    EXPECT_EQ(Go()->text(), "Press to Update");

    emit List()->itemDoubleClicked(List()->item(1));
    EXPECT_EQ(Nuclide()->text(), "Co-60");
    EXPECT_TRUE(form_->GridIsCurrent());
    EXPECT_NE(form_->MSFlexGrid1().TextMatrix(1, 0), "(None Available)");
}

// Request options.

TEST_F(MainWindowTest, ExternalEnablesTheGeometriesAndSwitchesTheUnitCategory) {
    ASSERT_TRUE(Start());
    Click("optType0");
    EXPECT_EQ(UnitNames(), (QStringList{"Sv/Bq", "mSv/Bq", "rem/Ci"}));
    Click("optCoefficients2");
    EXPECT_TRUE(Child<QRadioButton>("optExternalType1")->isEnabled());
    EXPECT_TRUE(Child<QGroupBox>("fraExternaltype")->isEnabled());
    EXPECT_EQ(form_->UnitCategory(), 2);
    EXPECT_EQ(UnitNames(), (QStringList{"Sv m3/(Bq s)", "mSv/h per Bq/m3"}));
    Click("optExternalType1");
    EXPECT_EQ(form_->UnitCategory(), 3);
    EXPECT_EQ(UnitNames(), (QStringList{"Sv m2/(Bq s)"}));
    Click("optExternalType2");
    EXPECT_EQ(form_->UnitCategory(), 4);
    Click("optCoefficients1");
    EXPECT_FALSE(Child<QRadioButton>("optExternalType1")->isEnabled());
    EXPECT_FALSE(Child<QGroupBox>("fraExternaltype")->isEnabled());
    EXPECT_EQ(form_->UnitCategory(), 1);
    EXPECT_EQ(UnitNames(), (QStringList{"Sv/Bq", "mSv/Bq", "rem/Ci"}));
}

TEST_F(MainWindowTest, AUnitIsRememberedOnlyWhenARequestIsMadeWithIt) {
    ASSERT_TRUE(Start());
    Click("optType0");
    Units()->setCurrentIndex(2);
    Go()->click();
    EXPECT_EQ(form_->SavedDoseUnit(1), 3);
    Click("optType1");
    EXPECT_EQ(Units()->currentText(), "per Bq");
    Click("optType0");
    EXPECT_EQ(Units()->currentText(), "rem/Ci");
    Units()->setCurrentIndex(1);  // chosen, never requested
    Click("optType1");
    Click("optType0");
    EXPECT_EQ(Units()->currentText(), "rem/Ci");
    EXPECT_EQ(form_->SavedDoseUnit(1), 3);
}

TEST_F(MainWindowTest, ACategoryWithoutUnitsDisablesGoInsteadOfRequestingPositionZero) {
    fixture_.Execute("DROP TABLE \"Dose Units\"");
    fixture_.CreateUnitTable("Dose Units", {{{"Sv/Bq", 1}}, {{"Sv m3/(Bq s)", 1}}, {}, {{"Sv m3/(Bq s)", 1}}});
    ASSERT_TRUE(Start());
    Click("optType0");
    Click("optCoefficients2");
    Click("optExternalType1");
    EXPECT_EQ(Units()->count(), 0);
    EXPECT_FALSE(Go()->isEnabled());
    const int busyBefore = desktop_.Busy.Shown;
    QTest::keyClick(Nuclide(), Qt::Key_Return);
    EXPECT_EQ(desktop_.Busy.Shown, busyBefore) << "no request ran";
    EXPECT_FALSE(form_->GridIsCurrent());
    Click("optExternalType2");
    EXPECT_TRUE(Go()->isEnabled());
}

TEST_F(MainWindowTest, AnyOptionChangeMarksTheGridStaleAndGoMarksItCurrent) {
    ASSERT_TRUE(Start());
    for (const char* option : {"optCoefficients1", "optType0", "optCoefficients2", "optExternalType2"}) {
        SCOPED_TRACE(option);
        Click(option);
        EXPECT_FALSE(form_->GridIsCurrent());
        EXPECT_EQ(Go()->text(), "Press to Update");
        EXPECT_TRUE(Go()->font().bold());
        EXPECT_EQ(form_->MSFlexGrid1().BackColour(), (RgbColour{220, 220, 220}));
        Go()->click();
        EXPECT_TRUE(form_->GridIsCurrent());
        EXPECT_EQ(Go()->text(), "Updated");
        EXPECT_FALSE(Go()->font().bold());
        EXPECT_EQ(form_->MSFlexGrid1().BackColour(), (RgbColour{255, 255, 255}));
    }
    Units()->setCurrentIndex(1);
    EXPECT_FALSE(form_->GridIsCurrent()) << "a click in the units list";
}

TEST_F(MainWindowTest, AFailedRequestNamesTheCauseKeepsThePreviousTableStaleAndTheWindowWorks) {
    ASSERT_TRUE(Start());
    const FlexGrid before = form_->MSFlexGrid1();
    fixture_.Execute("DROP TABLE FGR13INGRBS");
    Go()->click();
    ASSERT_EQ(desktop_.Prompt.Messages.size(), 1U);
    const std::string& message = desktop_.Prompt.Messages.front();
    EXPECT_EQ(message.rfind("An error (The table FGR13INGRBS could not be shown for \"H-3\": ", 0), 0U) << message;
    EXPECT_TRUE(message.ends_with(
        ") occured while looking up the coefficients.  The table shown is the one before this request."))
        << message;
    EXPECT_EQ(form_->MSFlexGrid1().TextMatrix(1, 0), before.TextMatrix(1, 0));
    EXPECT_EQ(form_->MSFlexGrid1().Rows(), before.Rows());
    EXPECT_FALSE(form_->GridIsCurrent());
    EXPECT_EQ(Go()->text(), "Press to Update");
    EXPECT_EQ(desktop_.Busy.Depth, 0);

    Click("optType0");
    Go()->click();
    EXPECT_TRUE(form_->GridIsCurrent());
    EXPECT_EQ(desktop_.Prompt.Messages.size(), 1U);
}

// Where a widget stands in the window's inner area.
QRect InWindow(const QWidget* widget, const QWidget* window) {
    return QRect(widget->mapTo(window, QPoint(0, 0)), widget->size());
}

TEST_F(MainWindowTest, TheGridFillsTheWindowBelowTheListAndEveryControlShowsWholeDownToTheMinimumSize) {
    WriteIni("0\r\n8100\r\n11700\r\n0\r\n0\r\n");
    ASSERT_TRUE(Start());
    form_->show();
    QWidget* area = form_->centralWidget();
    const std::vector<const char*> controls = {"Label2_1", "txtSelectedNuclide", "Label2_0", "lstNuclides", "Frame2",
                                               "Frame1", "fraExternaltype", "Label2_2", "Combo1", "cmdGO",
                                               "chkCompactDatabase"};
    const std::vector<const char*> texts = {"optType0", "optType1", "optCoefficients0", "optCoefficients1",
                                            "optCoefficients2", "optExternalType0", "optExternalType1",
                                            "optExternalType2", "Label2_1", "Label2_2", "cmdGO", "chkCompactDatabase"};
    for (const QSize size : {QSize(1200, 900), QSize(200, 150)}) {
        SCOPED_TRACE(size.width());
        form_->resize(size);
        QCoreApplication::processEvents();
        EXPECT_GE(form_->width(), form_->minimumSizeHint().width());
        EXPECT_GE(form_->height(), form_->minimumSizeHint().height());
        const QRect list = InWindow(List(), area);
        const QRect grid = InWindow(form_->GridView(), area);
        EXPECT_EQ(grid.left(), list.left());
        EXPECT_EQ(grid.right() + 1, area->width()) << "the grid reaches the right edge";
        EXPECT_EQ(grid.bottom() + 1, area->height()) << "and the status bar";
        EXPECT_GT(grid.top(), list.bottom());
        for (const char* name : texts) {
            const QWidget* control = Child<QWidget>(name);
            EXPECT_GE(control->width(), control->sizeHint().width()) << name << " is cut";
            EXPECT_GE(control->height(), control->sizeHint().height()) << name << " is cut";
            EXPECT_TRUE(control->parentWidget()->rect().contains(control->geometry())) << name;
        }
        for (std::size_t i = 0; i < controls.size(); ++i) {
            const QRect one = InWindow(Child<QWidget>(controls[i]), area);
            EXPECT_TRUE(area->rect().contains(one)) << controls[i];
            for (std::size_t j = i + 1; j < controls.size(); ++j)
                EXPECT_FALSE(one.intersects(InWindow(Child<QWidget>(controls[j]), area))) << controls[i] << " " << controls[j];
        }
    }
}

TEST_F(MainWindowTest, AtTheDesignSizeTheControlsKeepTheDesignArrangement) {
    WriteIni("0\r\n8100\r\n11700\r\n0\r\n0\r\n");
    ASSERT_TRUE(Start());
    form_->show();
    const double dpi = form_->logicalDpiX();
    form_->resize(qRound(14160 * dpi / 1440), qRound(8400 * dpi / 1440));
    QCoreApplication::processEvents();
    QWidget* area = form_->centralWidget();
    const auto at = [&](const char* name) { return InWindow(Child<QWidget>(name), area); };
    // Left to right: the nuclide column, then the frames Coefficient, Pathway, External Type,
    // then the check box; the units and GO below the frames.
    EXPECT_LT(at("lstNuclides").right(), at("Frame2").left());
    EXPECT_LT(at("Frame2").right(), at("Frame1").left() + 1);
    EXPECT_LT(at("Frame1").right(), at("fraExternaltype").left() + 1);
    EXPECT_LT(at("fraExternaltype").right(), at("chkCompactDatabase").left());
    EXPECT_GT(at("Combo1").top(), at("Frame1").bottom());
    EXPECT_LT(at("Combo1").right(), at("cmdGO").left());
    EXPECT_LT(at("Label2_1").bottom(), at("txtSelectedNuclide").top() + 1);
    EXPECT_LT(at("Label2_0").bottom(), at("lstNuclides").top() + 1);
    // The grid begins below the list about where the design has it (Qt's option buttons
    // stand a little taller than the design's).
    EXPECT_NEAR(InWindow(form_->GridView(), area).top(), (2523 - 420) * dpi / 1440, 40);
    if (form_->width() < qRound(14160 * dpi / 1440)) GTEST_SKIP() << "the screen is narrower than the design width";
    EXPECT_NEAR(at("lstNuclides").width(), 6120 * dpi / 1440, 612 * dpi / 1440) << "the design's list, to a tenth";
}

// Shutdown.

TEST_F(MainWindowTest, ClosingTheWindowWritesUserIniByteForByteAndEnds) {
    ASSERT_TRUE(Start());
    WriteIni("0\r\n8100\r\n11700\r\n1440\r\n720\r\n");
    form_.reset();
    ASSERT_TRUE(Start());
    ASSERT_EQ(form_->logicalDpiX(), 96) << "the expected twips below assume 96 dots per inch";
    ASSERT_EQ(form_->logicalDpiY(), 96);
    Click("optType0");
    Units()->setCurrentIndex(1);
    Go()->click();
    Child<QCheckBox>("chkCompactDatabase")->setChecked(true);
    form_->close();
    EXPECT_EQ(desktop_.End.Codes, (std::vector<int>{0}));
    EXPECT_EQ(ReadBytes(IniPath()), "0\r\n8100\r\n11700\r\n1440\r\n720\r\n2\r\n0\r\n0\r\n0\r\n1\r\n0\r\n0\r\n0\r\n1\r\n");
    EXPECT_EQ(form_->StatusText(), "") << "the compaction on exit ran to its end";
    EXPECT_TRUE(fs::exists(fixture_.Path()));
}

TEST_F(MainWindowTest, FileExitWritesUserIniTooAndAnUnwritableFileIsNotReported) {
    ASSERT_TRUE(Start());
    Child<QAction>("mnuExit")->trigger();
    EXPECT_EQ(desktop_.End.Codes, (std::vector<int>{0}));
    EXPECT_EQ(ReadBytes(IniPath()).substr(0, 3), "2\r\n") << "maximized";

    form_.reset();
    desktop_.End.Codes.clear();
    fs::remove(IniPath());
    fs::create_directory(IniPath());  // a folder where the file would go
    ASSERT_TRUE(Start());
    form_->close();
    EXPECT_EQ(desktop_.End.Codes, (std::vector<int>{0}));
    EXPECT_TRUE(desktop_.Prompt.Messages.empty());
}

// Commands.

TEST_F(MainWindowTest, AMissingHelpFileGivesItsMessageNamingFileAndFolder) {
    ASSERT_TRUE(Start());
    Child<QAction>("mnuFGR")->trigger();
    Child<QAction>("mnuGlossary")->trigger();
    Child<QAction>("mnuHowTo")->trigger();
    const std::string tail = ").  Make sure that the file exists and is in the application directory (" + AppDir() + ").";
    EXPECT_EQ(desktop_.Prompt.Messages,
              (std::vector<std::string>{
                  "An error (No such file or directory) occured accessing the help file (FGR13.hlp" + tail,
                  "An error (No such file or directory) occured accessing the help file (Glossary.hlp" + tail,
                  "An error (No such file or directory) occured accessing the help file (HOWTo.hlp" + tail}));
    EXPECT_EQ(form_->OpenHelpWindow(), nullptr);
}

TEST_F(MainWindowTest, AHelpFileOpensInTheHelpWindowWhichShutdownCloses) {
    std::ofstream(fixture_.Folder() / "Dose.hlp") << "<html><head><title>Dose Calculation</title></head><body>"
                                                      "<h1><a name=\"contents\">Contents</a></h1></body></html>";
    ASSERT_TRUE(Start());
    Child<QAction>("mnuDoseCalculation")->trigger();
    ASSERT_NE(form_->OpenHelpWindow(), nullptr);
    EXPECT_TRUE(form_->OpenHelpWindow()->isVisible());
    EXPECT_EQ(form_->OpenHelpWindow()->windowTitle(), "Dose Calculation");
    Child<QAction>("mnuHowToUseHelp")->trigger();
    EXPECT_EQ(form_->OpenHelpWindow()->windowTitle(), "How to Use Help");
    form_->close();
    EXPECT_FALSE(form_->OpenHelpWindow()->isVisible());
}

TEST_F(MainWindowTest, ExportAsksForAFileAndWritesNothingWhenCancelled) {
    ASSERT_TRUE(Start());
    const fs::path file = fixture_.Folder() / "table.txt";
    desktop_.Files.Answers = {std::nullopt, file.string()};
    form_->Toolbar1ButtonClick("Export");
    EXPECT_FALSE(fs::exists(file));
    Child<QAction>("mnuExport")->trigger();
    EXPECT_EQ(desktop_.Files.Asked, (std::vector<std::string>(2, "*.* Text (*.txt)|*.txt|All (*.*)|*.*|")));
    EXPECT_EQ(ReadBytes(file), "\"\"\r\n\"(None Available)\"\r\n");
}

TEST_F(MainWindowTest, AnExportThatCannotBeWrittenIsReportedAndTheTableStays) {
    ASSERT_TRUE(Start());
    const FlexGrid before = form_->MSFlexGrid1();
    const fs::path readOnly = fixture_.Folder() / "read-only";
    fs::create_directory(readOnly);
    fs::permissions(readOnly, fs::perms::owner_read | fs::perms::owner_exec);
    desktop_.Files.Answers = {"/dev/full", (fixture_.Folder() / "no such folder" / "t.txt").string(),
                              (readOnly / "t.txt").string()};
    {
        const test::FilePermissionsApply asAnyUser;
        for (int i = 0; i < 3; ++i) form_->Toolbar1ButtonClick("Export");
    }
    EXPECT_TRUE(fs::is_empty(readOnly));
    fs::permissions(readOnly, fs::perms::owner_all);
    const std::string fixed = "Error writing to the output file.  Make sure the file is not in use by another application.\n";
    EXPECT_EQ(desktop_.Prompt.Messages,
              (std::vector<std::string>{fixed + "No space left on device", fixed + "No such file or directory",
                                        fixed + "Permission denied"}));
    EXPECT_EQ(form_->MSFlexGrid1().Rows(), before.Rows());
    EXPECT_EQ(form_->MSFlexGrid1().TextMatrix(1, 0), before.TextMatrix(1, 0));
    EXPECT_TRUE(form_->GridIsCurrent());
}

TEST_F(MainWindowTest, CopyComesFromTheToolbarAndFromCtrlCButNotCtrlV) {
    ASSERT_TRUE(Start());
    ResultGridView* view = form_->GridView();
    view->setCurrentIndex(view->model()->index(1, 0));
    EXPECT_EQ(form_->MSFlexGrid1().Row(), 1);
    EXPECT_EQ(form_->MSFlexGrid1().RowSel(), 1);
    form_->Toolbar1ButtonClick("CopyToClipboard");
    EXPECT_EQ(desktop_.Clipboard.Text, "(None Available)");

    desktop_.Clipboard.Text = "untouched";
    QTest::keyClick(view, Qt::Key_C);
    EXPECT_EQ(desktop_.Clipboard.Text, "untouched") << "C without Ctrl";
    QTest::keyPress(view, Qt::Key_Control);
    QTest::keyClick(view, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(desktop_.Clipboard.Text, "untouched");
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(desktop_.Clipboard.Text, "(None Available)");
    QTest::keyRelease(view, Qt::Key_Control);
    form_->Toolbar1ButtonClick("Unknown");
}

TEST_F(MainWindowTest, ToolbarCopyWithoutASelectionCopiesTheWholeTableOneLineARow) {
    fixture_.AddIngestionRiskRecord("Co-60", "Water", FieldValue(), "0.1",
                                    {"Esophagus", 1e-10, 2e-10, 3e-10, 4e-10, 5e-10, 6e-10, 7e-10, 8e-10, 9e-10, 1e-9}, 1);
    ASSERT_TRUE(Start());
    Nuclide()->setText("Co-60");
    Go()->click();
    const FlexGrid& grid = form_->MSFlexGrid1();
    ASSERT_GT(grid.Rows(), 3);
    form_->Toolbar1ButtonClick("CopyToClipboard");
    const std::string& text = desktop_.Clipboard.Text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), grid.Rows() - 1);
    EXPECT_EQ(text.find('\r'), std::string::npos);
    EXPECT_EQ(text.substr(0, text.find('\t')), grid.TextMatrix(0, 0));
    EXPECT_TRUE(text.ends_with(grid.TextMatrix(grid.Rows() - 1, grid.Cols() - 1)));
}

TEST_F(MainWindowTest, ANewTableShowsFromItsTopLeftCellAndLongTextsShowAsTooltips) {
    fixture_.AddIngestionRiskRecord("Co-60", "Water", FieldValue(), "0.1",
                                    {"Esophagus", 1e-10, 2e-10, 3e-10, 4e-10, 5e-10, 6e-10, 7e-10, 8e-10, 9e-10, 1e-9}, 1);
    ASSERT_TRUE(Start());
    form_->show();
    form_->resize(200, 150);  // its minimum: the table needs scrolling
    Nuclide()->setText("Co-60");
    Go()->click();
    QCoreApplication::processEvents();
    ResultGridView* view = form_->GridView();
    ASSERT_GT(view->verticalScrollBar()->maximum(), 0);
    view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
    view->horizontalScrollBar()->setValue(view->horizontalScrollBar()->maximum());
    Go()->click();
    EXPECT_EQ(view->verticalScrollBar()->value(), 0);
    EXPECT_EQ(view->horizontalScrollBar()->value(), 0);

    const QModelIndex title = view->model()->index(0, 0);
    ASSERT_FALSE(form_->MSFlexGrid1().TextMatrix(0, 0).empty());
    view->setColumnWidth(0, 12);
    EXPECT_TRUE(view->TextIsCut(title));
    view->setColumnWidth(0, 2000);
    EXPECT_FALSE(view->TextIsCut(title));
}

TEST_F(MainWindowTest, DraggingAColumnEdgeWidensItOnScreenOnly) {
    ASSERT_TRUE(Start());
    form_->show();
    ResultGridView* view = form_->GridView();
    const int before = view->columnWidth(0);
    const int modelWidth = form_->MSFlexGrid1().ColWidth(0);
    const int edge = view->columnViewportPosition(0) + before;
    const int y = view->rowViewportPosition(0) + 2;
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, QPoint(edge, y));
    QTest::mouseMove(view->viewport(), QPoint(edge + 40, y));
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, QPoint(edge + 40, y));
    EXPECT_EQ(view->columnWidth(0), before + 40);
    EXPECT_EQ(form_->MSFlexGrid1().ColWidth(0), modelWidth) << "printing and export keep the built widths";
}

TEST_F(MainWindowTest, PageSetupOkKeepsTheChosenPaperStyleAndCancelKeepsTheOldOne) {
    desktop_.Printers.Names = {"Office", "Lab"};
    desktop_.Printers.Current = "Office";
    ASSERT_TRUE(Start());
    const auto answer = [](const char* button, bool portrait) {
        QTimer::singleShot(0, [button, portrait] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            if (portrait) dialog->findChild<QRadioButton*>("PaperStyleOptionButton1")->click();
            dialog->findChild<QComboBox*>("PrinterComboDropDown")->setCurrentIndex(1);
            dialog->findChild<QPushButton*>(button)->click();
        });
    };
    answer("CancelButton", true);
    form_->PageSetupCommand();
    EXPECT_EQ(form_->PrintPaperStyle(), 2);
    EXPECT_EQ(desktop_.Printers.Current, "Office");
    answer("OKButton", true);
    form_->PageSetupCommand();
    EXPECT_EQ(form_->PrintPaperStyle(), 1);
    EXPECT_EQ(desktop_.Printers.Current, "Lab");
}

TEST_F(MainWindowTest, CompactDatabaseShowsItsStatusTextsAndKeepsAUsableDatabase) {
    ASSERT_TRUE(Start());
    Child<QAction>("Tools_CompactDatabase")->trigger();
    EXPECT_EQ(form_->StatusText(), "");
    EXPECT_EQ(form_->statusBar()->currentMessage(), "DONE Compacting Database . . .") << "the last text stays to be read";
    Go()->click();
    EXPECT_TRUE(form_->GridIsCurrent());
    EXPECT_TRUE(desktop_.Prompt.Messages.empty());
}

TEST_F(MainWindowTest, PrintWithoutAnyPrinterSaysSoAndPointsToPdf) {
    ASSERT_TRUE(Start());
    form_->Toolbar1ButtonClick("Print");
    Child<QAction>("mnuPrint")->trigger();
    EXPECT_EQ(desktop_.Prompt.Messages,
              (std::vector<std::string>(2, "No printer is installed.  Use File > Print to PDF . . . to print the table to a file.")));

    desktop_.Printers.Names = {PdfPrinterName};
    desktop_.Printers.Current = PdfPrinterName;
    const fs::path pdf = fixture_.Folder() / "printed.pdf";
    desktop_.Files.Answers = {pdf.string()};
    Child<QAction>("mnuPrint")->trigger();
    EXPECT_EQ(desktop_.Files.Asked.size(), 1U) << "printing to the PDF file asks for its name";
    EXPECT_EQ(ReadBytes(pdf).substr(0, 5), "%PDF-");
}

TEST_F(MainWindowTest, PrintToPdfWritesTheTableToTheChosenFile) {
    ASSERT_TRUE(Start());
    const fs::path pdf = fixture_.Folder() / "table";
    desktop_.Files.Answers = {std::nullopt, pdf.string()};
    Child<QAction>("mnuPrintToPdf")->trigger();
    EXPECT_FALSE(fs::exists(pdf.string() + ".pdf"));
    Child<QAction>("mnuPrintToPdf")->trigger();
    EXPECT_EQ(ReadBytes(pdf.string() + ".pdf").substr(0, 5), "%PDF-");
    EXPECT_TRUE(desktop_.Prompt.Messages.empty());
}

TEST_F(MainWindowTest, APdfThatCannotBeWrittenWhollyLeavesTheOlderFileOfThatName) {
    ASSERT_TRUE(Start());
    const fs::path pdf = fixture_.Folder() / "table.pdf";
    std::ofstream(pdf, std::ios::binary) << "%PDF- printed last week";
    const auto filesBefore = std::distance(fs::directory_iterator(fixture_.Folder()), {});
    desktop_.Files.Answers = {pdf.string()};
    {
        const test::FileSizeLimit fullDisk(2048);
        Child<QAction>("mnuPrintToPdf")->trigger();
    }
    ASSERT_EQ(desktop_.Prompt.Messages.size(), 1U);
    EXPECT_TRUE(desktop_.Prompt.Messages.front().ends_with(") occured while printing.")) << desktop_.Prompt.Messages.front();
    EXPECT_EQ(ReadBytes(pdf), "%PDF- printed last week");
    EXPECT_EQ(std::distance(fs::directory_iterator(fixture_.Folder()), {}), filesBefore) << "nothing is left behind";
}

TEST_F(MainWindowTest, AValueCellShowsWhereItComesFromAsItsTooltip) {
    test::DoseRecord record;
    record.Nuclide = "Co-60";
    record.Age = 100;  // the first age of the list, whose pass writes the descriptors
    record.Coefficients = {{25, 3.4e-9}};
    record.Id = 4;
    fixture_.AddDoseRecord("Fgr13ingGDB", record);
    fixture_.Execute("ALTER TABLE Fgr13ingGDB ADD COLUMN Source TEXT");
    fixture_.Execute("UPDATE Fgr13ingGDB SET Source = 'fgr13/FGR13ING.DAT:' || (ID + 50)");
    ASSERT_TRUE(Start());
    Nuclide()->setText("Co-60");
    Click("optType0");
    Go()->click();
    const FlexGrid& grid = form_->MSFlexGrid1();
    const QAbstractItemModel* model = form_->GridView()->model();
    int valueRow = -1;
    for (int r = 0; r < grid.Rows(); ++r)
        if (grid.TextMatrix(r, 0) == "Effective") valueRow = r;
    ASSERT_GE(valueRow, 0);
    const auto tip = [&](int row, int col) { return model->data(model->index(row, col), Qt::ToolTipRole).toString(); };
    EXPECT_EQ(tip(valueRow, 1), "fgr13/FGR13ING.DAT:54");
    EXPECT_EQ(tip(valueRow, 0), "") << "a descriptor has no source";
    EXPECT_EQ(tip(valueRow - 1, 1), "") << "an empty cell has none";
}

TEST_F(MainWindowTest, ExploringRanksEveryNuclideSaysWhatIsWrongAndShowsADoubleClickedNuclide) {
    std::int64_t id = 0;
    for (const auto& [nuclide, value] : std::vector<std::pair<std::string, double>>{{"H-3", 1.8e-11}, {"Cs-137", 1.3e-8}})
        for (const double age : {100.0, 7300.0}) {
            test::DoseRecord record;
            record.Nuclide = nuclide;
            record.Age = age;
            record.Coefficients = {{25, value}};
            record.Id = ++id;
            fixture_.AddDoseRecord("Fgr13ingGDB", record);
        }
    ASSERT_TRUE(Start());
    Child<QAction>("Tools_ExploreAllNuclides")->trigger();
    auto* explore = form_->findChild<QDialog*>("frmExplore");
    ASSERT_NE(explore, nullptr);
    auto* rows = explore->findChild<QTableWidget*>("tblRows");
    ASSERT_EQ(rows->rowCount(), 2);
    EXPECT_EQ(rows->item(0, 2)->text(), "Cs-137") << "highest first";

    auto* zMin = explore->findChild<QLineEdit*>("txtZMin");
    auto* zMax = explore->findChild<QLineEdit*>("txtZMax");
    zMin->setText("50");
    zMax->setText("2");
    emit zMax->editingFinished();
    EXPECT_EQ(rows->rowCount(), 0);
    EXPECT_FALSE(explore->findChild<QLabel*>("lblMessage")->text().isEmpty());
    zMin->clear();
    emit zMax->editingFinished();
    ASSERT_EQ(rows->rowCount(), 1);

    desktop_.Printers.Names = {"Office"};
    desktop_.Printer.setOutputFormat(QPrinter::PdfFormat);
    desktop_.Printer.setOutputFileName(QString::fromStdString((fixture_.Folder() / "shown.pdf").string()));
    explore->findChild<QPushButton*>("cmdPrint")->click();
    EXPECT_EQ(ReadBytes(fixture_.Folder() / "shown.pdf").substr(0, 5), "%PDF-");
    EXPECT_TRUE(desktop_.Prompt.Messages.empty());

    desktop_.Files.Answers = {(fixture_.Folder() / "shown.xlsx").string()};
    explore->findChild<QPushButton*>("cmdExport")->click();
    EXPECT_EQ(ReadBytes(fixture_.Folder() / "shown.xlsx").substr(0, 2), "PK");

    rows->selectAll();
    explore->findChild<QPushButton*>("cmdCompare")->click();
    auto* compare = explore->findChild<QDialog*>("frmCompare");
    ASSERT_NE(compare, nullptr);
    auto* table = compare->findChild<QTableWidget*>("tblComparison");
    ASSERT_EQ(table->columnCount(), 2) << "the descriptors and the one nuclide the filter leaves";
    compare->close();

    zMin->clear();
    zMax->clear();
    emit zMax->editingFinished();
    rows->selectAll();
    explore->findChild<QPushButton*>("cmdCompare")->click();
    compare = explore->findChildren<QDialog*>("frmCompare").value(explore->findChildren<QDialog*>("frmCompare").size() - 1);
    ASSERT_NE(compare, nullptr);
    table = compare->findChild<QTableWidget*>("tblComparison");
    ASSERT_EQ(table->columnCount(), 4) << "descriptors, two nuclides, ratio";
    int effective = -1;
    for (int r = 0; r < table->rowCount(); ++r)
        if (table->item(r, 0)->text() == "Effective") effective = r;
    ASSERT_GE(effective, 0);
    EXPECT_EQ(table->item(effective, 3)->text().toDouble(), std::stod(QString::number(1.3e-8 / 1.8e-11, 'g', 3).toStdString()));
    compare->close();
    zMax->setText("2");
    emit zMax->editingFinished();

    emit rows->cellDoubleClicked(0, 2);
    EXPECT_EQ(Nuclide()->text(), "H-3");
    EXPECT_TRUE(form_->GridIsCurrent());
    EXPECT_TRUE(Child<QRadioButton>("optType0")->isChecked());
    EXPECT_NE(form_->MSFlexGrid1().TextMatrix(1, 0), "(None Available)");

    // From the main window's list: its nuclide picked first, another added, the same table.
    Child<QAction>("Tools_CompareNuclides")->trigger();
    auto* picker = form_->findChild<QDialog*>("frmComparePicker");
    ASSERT_NE(picker, nullptr);
    const auto caesium = picker->findChild<QListWidget*>("lstNuclides")->findItems("Cs-137", Qt::MatchFixedString);
    ASSERT_EQ(caesium.size(), 1);
    caesium.front()->setSelected(true);
    picker->findChild<QPushButton*>("cmdCompare")->click();
    ASSERT_NE(picker->findChild<QDialog*>("frmCompare"), nullptr);
    table = picker->findChild<QDialog*>("frmCompare")->findChild<QTableWidget*>("tblComparison");
    ASSERT_EQ(table->columnCount(), 4);
    EXPECT_TRUE(table->horizontalHeaderItem(1)->text().startsWith("H-3")) << table->horizontalHeaderItem(1)->text().toStdString();
    EXPECT_EQ(table->item(effective, 3)->text().toDouble(), std::stod(QString::number(1.8e-11 / 1.3e-8, 'g', 3).toStdString()));

    Child<QAction>("Tools_CompactDatabase")->trigger();
    EXPECT_EQ(form_->findChild<QDialog*>("frmExplore"), nullptr) << "it held the database open";
    EXPECT_EQ(form_->findChild<QDialog*>("frmComparePicker"), nullptr) << "it held the database open";
}

TEST_F(MainWindowTest, ExportAllWritesEveryCoefficientAsTidyRows) {
    test::DoseRecord record;
    record.Nuclide = "Co-60";
    record.Coefficients = {{25, 3.4e-9}};
    fixture_.AddDoseRecord("Fgr13ingGDB", record);
    ASSERT_TRUE(Start());
    const fs::path csv = fixture_.Folder() / "all.csv";
    desktop_.Files.Answers = {csv.string()};
    Child<QAction>("mnuExportAll")->trigger();
    EXPECT_TRUE(desktop_.Prompt.Messages.empty());
    const std::string text = ReadBytes(csv);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1 + 25) << "the headings and the block's 25 cells";
    EXPECT_NE(text.find("Co-60,,ingestion dose,,Adult,,Effective,,3.40E-09,Sv/Bq,"), std::string::npos) << text;
}

// The window on the shipped database, saved as a picture to look at.
TEST(MainWindowPicture, TheShippedDatabaseShowsItsFirstNuclideAndADoseTable) {
    const fs::path shipped = fs::current_path() / ".." / "bin" / "DoseAndRisk.mdb";
    if (!fs::exists(shipped)) GTEST_SKIP() << "the shipped database is not built";
    test::TemporaryFolder folder;
    fs::copy_file(shipped, folder.Path() / "DoseAndRisk.mdb");
    std::ofstream(folder.Path() / "user.ini", std::ios::binary) << "0\r\n10800\r\n17400\r\n0\r\n0\r\n";
    RecordingDesktop desktop;
    frmPrimarySelectionForm form(desktop.Services(folder.Path().string()));
    ASSERT_TRUE(form.Load());
    form.show();
    QCoreApplication::processEvents();
    form.grab().save("/tmp/quorvel-start.png");
    EXPECT_NE(form.MSFlexGrid1().TextMatrix(1, 0), "(None Available)") << "ingestion risk of the first nuclide";

    auto* text = form.findChild<QLineEdit*>("txtSelectedNuclide");
    text->setText("Co-60");
    form.findChild<QRadioButton*>("optType0")->click();
    form.findChild<QPushButton*>("cmdGO")->click();
    QCoreApplication::processEvents();
    EXPECT_TRUE(form.GridIsCurrent());
    EXPECT_GT(form.MSFlexGrid1().Rows(), 10);
    EXPECT_TRUE(desktop.Prompt.Messages.empty());
    EXPECT_TRUE(form.grab().save("/tmp/quorvel-main-window.png"));
}

TEST(MainWindowPicture, TheExploreWindowRanksTheShippedDatabase) {
    const fs::path shipped = fs::current_path() / ".." / "bin" / "DoseAndRisk.mdb";
    if (!fs::exists(shipped)) GTEST_SKIP() << "the shipped database is not built";
    test::TemporaryFolder folder;
    fs::copy_file(shipped, folder.Path() / "DoseAndRisk.mdb");
    RecordingDesktop desktop;
    frmPrimarySelectionForm form(desktop.Services(folder.Path().string()));
    ASSERT_TRUE(form.Load());
    form.findChild<QAction*>("Tools_ExploreAllNuclides")->trigger();
    auto* explore = form.findChild<QDialog*>("frmExplore");
    ASSERT_NE(explore, nullptr);
    QCoreApplication::processEvents();
    EXPECT_GT(explore->findChild<QTableWidget*>("tblRows")->rowCount(), 700);
    EXPECT_TRUE(explore->grab().save("/tmp/quorvel-explore.png"));
    auto* rows = explore->findChild<QTableWidget*>("tblRows");
    rows->setRangeSelected(QTableWidgetSelectionRange(0, 0, 1, 6), true);
    explore->findChild<QPushButton*>("cmdCompare")->click();
    auto* compare = explore->findChild<QDialog*>("frmCompare");
    ASSERT_NE(compare, nullptr);
    EXPECT_EQ(compare->findChild<QTableWidget*>("tblComparison")->columnCount(), 4);
    EXPECT_TRUE(compare->grab().save("/tmp/quorvel-compare.png"));
}

}  // namespace
}  // namespace quorvel

namespace quorvel {
namespace {

// "+D": Cs-137 on the ground with Ba-137m; each value cell the parent's plus the member's
// times its fraction, the title naming the member; a cutoff that is no duration is said.
TEST_F(MainWindowTest, TheProgenyOptionAddsTheShortLivedMembersToEveryValue) {
    fixture_.Execute(
        "CREATE TABLE Daughters (Nuclide TEXT, \"Half-life (s)\" REAL, Daughter TEXT, \"Branching Fraction\" REAL, "
        "\"Daughter T1/2\" TEXT, \"Daughter Half-life (s)\" REAL, ID INTEGER, Source TEXT)");
    fixture_.Insert("Daughters", {"Cs-137", 9.5e8, "Ba-137m", 0.946, "2.552 m", 153.12, std::int64_t{1}, "index:1"});
    fixture_.AddExternalDoseRecord("F12TIII3", "Cs-137", "Cs-137", {{26, 3e-19}}, 1);
    fixture_.AddExternalDoseRecord("F12TIII3", "Ba-137m", "Ba-137m", {{26, 6e-16}}, 2);
    ASSERT_TRUE(Start());
    Click("optType0");
    Click("optCoefficients2");
    Click("optExternalType1");
    Nuclide()->setText("Cs-137");
    Child<QCheckBox>("chkProgeny")->setChecked(true);
    Go()->click();
    const FlexGrid& grid = form_->MSFlexGrid1();
    EXPECT_NE(grid.TextMatrix(0, 0).find("+D (Ba-137m x 0.946)"), std::string::npos) << grid.TextMatrix(0, 0);
    bool found = false;
    for (int row = 0; row < grid.Rows(); ++row)
        found = found || grid.TextMatrix(row, 1) == FormatScientific(3e-19 + 0.946 * 6e-16);
    EXPECT_TRUE(found) << "the effective dose +D";
    EXPECT_NE(form_->StatusText().find("Ba-137m"), std::string::npos);

    Child<QLineEdit>("txtProgenyCutoff")->setText("5 weeks");
    Go()->click();
    ASSERT_EQ(desktop_.Prompt.Messages.size(), 1u);
    EXPECT_NE(desktop_.Prompt.Messages[0].find("cutoff"), std::string::npos);
    EXPECT_FALSE(form_->GridIsCurrent());
}

}  // namespace
}  // namespace quorvel

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "DesktopFakes.h"
#include "FileSizeLimit.h"
#include "FixtureDatabase.h"
#include "FormCentring.h"
#include "HelpWindow.h"
#include "PrinterChoice.h"
#include "SystemInformation.h"
#include "frmAbout.h"
#include "frmPageSetup.h"
#include "frmPrimarySelectionForm.h"
#include "frmSystemInfo.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;
using test::FixtureDatabase;
using test::RecordingDesktop;

using test::ReadBytes;

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override {
        fixture_.CreateStartUpTables();
        ::setenv("XDG_CONFIG_HOME", config_.Path().c_str(), 1);
    }
    void TearDown() override { ::unsetenv("XDG_CONFIG_HOME"); }

    std::string AppDir() const { return fixture_.Folder().string(); }
    fs::path IniPath() const { return fixture_.Folder() / "user.ini"; }
    void WriteIni(const std::string& content) const { std::ofstream(IniPath(), std::ios::binary) << content; }

    // An installed program's folders cannot be written.
    bool Start(bool installed = false) {
        DesktopServices services = desktop_.Services(AppDir());
        if (installed) services.FolderWritable = [](const std::string&) { return false; };
        form_ = std::make_unique<frmPrimarySelectionForm>(services);
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
    test::TemporaryFolder config_;
    RecordingDesktop desktop_;
    std::unique_ptr<frmPrimarySelectionForm> form_;
};

// Start-up and the settings file.

TEST_F(MainWindowTest, WithoutUserIniTheWindowOpensMaximizedOnTheFirstNuclidesIngestionRiskTable) {
    ASSERT_TRUE(Start());
    EXPECT_TRUE(desktop_.Prompt.Messages.empty());
    EXPECT_TRUE(desktop_.End.Codes.empty());
    EXPECT_TRUE(form_->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(form_->DatabasePath(), AppDir() + "/DoseAndRisk.mdb");
    EXPECT_EQ(Nuclide()->text(), "H-3");
    EXPECT_EQ(SelectedRow(), 0);
    EXPECT_EQ(List()->count(), 3);
    EXPECT_EQ(List()->item(1)->text(), " 27   Cobalt          Co-60       5.271 y      I/E ");
    EXPECT_EQ(UnitNames(), (QStringList{"per Bq", "per pCi"}));
    EXPECT_EQ(Units()->currentIndex(), 0);
    EXPECT_TRUE(form_->GridIsCurrent());
    EXPECT_EQ(form_->MSFlexGrid1().TextMatrix(1, 0), "(None Available)");
    EXPECT_EQ(form_->Model().SavedUnit(CoefficientType::Risk, 1), 1) << "the first request used the first unit";
    EXPECT_FALSE(fs::exists(IniPath())) << "start-up writes nothing";
}

TEST_F(MainWindowTest, AStartUpThatCannotReadTheDatabaseSaysWhyAndEndsLeavingUserIniAlone) {
    WriteIni("0\r\n1\r\n2\r\n");
    fixture_.Execute("DELETE FROM Nuke2");
    EXPECT_FALSE(Start());
    fs::remove(fixture_.Path());
    EXPECT_FALSE(Start());
    EXPECT_EQ(
        desktop_.Prompt.Messages,
        (std::vector<std::string>{
            "An error (No current record.) has occured while setting the list of radionuclides.", "Terminating code.",
            "An error (Cannot open the database " + fixture_.Path() +
                ": unable to open database file) has occured while initializing the parameters.  The code will "
                "now be terminated."}));
    EXPECT_EQ(desktop_.End.Codes, (std::vector<int>{1, 1}));
    EXPECT_EQ(ReadBytes(IniPath()), "0\r\n1\r\n2\r\n");
}

// Nuclide list and type-ahead.

TEST_F(MainWindowTest, TypingMovesTheListSelectionKeepingTheTextAsTypedAndEnterLooksItUp) {
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

    // Enter looks up the text as typed; a click copies the entry's name.
    fixture_.AddIngestionRiskRecord("Co-60", "Water", FieldValue(), "0.1",
                                    {"Esophagus", 1e-10, 2e-10, 3e-10, 4e-10, 5e-10, 6e-10, 7e-10, 8e-10, 9e-10, 1e-9},
                                    1);
    Nuclide()->setText("Co");
    QTest::keyClick(Nuclide(), Qt::Key_Return);
    EXPECT_TRUE(form_->GridIsCurrent());
    EXPECT_EQ(form_->MSFlexGrid1().TextMatrix(1, 0), "(None Available)") << "a prefix is looked up as it stands";

    List()->setCurrentRow(2);
    EXPECT_EQ(Nuclide()->text(), "Cs-137");
    EXPECT_FALSE(form_->GridIsCurrent());

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
    EXPECT_EQ(UnitNames(), (QStringList{"Sv m3/(Bq s)", "mSv/h per Bq/m3"}));
    Click("optExternalType1");
    EXPECT_EQ(UnitNames(), (QStringList{"Sv m2/(Bq s)"}));
    Click("optCoefficients1");
    EXPECT_FALSE(Child<QRadioButton>("optExternalType1")->isEnabled());
    EXPECT_EQ(UnitNames(), (QStringList{"Sv/Bq", "mSv/Bq", "rem/Ci"}));
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
    EXPECT_EQ(ReadBytes(IniPath()),
              "0\r\n8100\r\n11700\r\n1440\r\n720\r\n2\r\n0\r\n0\r\n0\r\n1\r\n0\r\n0\r\n0\r\n1\r\n");
    EXPECT_EQ(form_->StatusText(), "") << "the compaction on exit ran to its end";
    EXPECT_TRUE(fs::exists(fixture_.Path()));
}

TEST_F(MainWindowTest, AnInstalledProgramKeepsUserIniInTheConfigurationFolderAndCannotCompact) {
    const fs::path inConfig = config_.Path() / "quorvel" / "user.ini";
    ASSERT_TRUE(Start(true));
    const std::string before = ReadBytes(fixture_.Path());
    Child<QAction>("Tools_CompactDatabase")->trigger();
    EXPECT_EQ(form_->StatusText(), "Cannot compact the database: its folder " + AppDir() + " is read-only.");
    EXPECT_EQ(ReadBytes(fixture_.Path()), before);
    form_->close();
    EXPECT_FALSE(fs::exists(IniPath()));
    EXPECT_EQ(ReadBytes(inConfig).substr(0, 3), "2\r\n") << "first run: maximized";

    std::ofstream(inConfig, std::ios::binary) << "0\r\n8100\r\n11700\r\n1440\r\n720\r\n";
    form_.reset();
    ASSERT_TRUE(Start(true));
    EXPECT_FALSE(form_->isMaximized()) << "the next start reads it there";
    EXPECT_TRUE(desktop_.Prompt.Messages.empty() && desktop_.Prompt.Questions.empty());
}

// Commands.

TEST_F(MainWindowTest, AMissingHelpFileGivesItsMessageNamingFileAndFolder) {
    ASSERT_TRUE(Start());
    Child<QAction>("mnuFGR")->trigger();
    Child<QAction>("mnuGlossary")->trigger();
    Child<QAction>("mnuHowTo")->trigger();
    const std::string tail =
        ").  Make sure that the file exists and is in the application directory (" + AppDir() + ").";
    EXPECT_EQ(desktop_.Prompt.Messages,
              (std::vector<std::string>{
                  "An error (No such file or directory) occured accessing the help file (FGR13.hlp" + tail,
                  "An error (No such file or directory) occured accessing the help file (Glossary.hlp" + tail,
                  "An error (No such file or directory) occured accessing the help file (HOWTo.hlp" + tail}));
    EXPECT_EQ(form_->OpenHelpWindow(), nullptr);
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

TEST_F(MainWindowTest, PrintWithoutAnyPrinterSaysSoAndPointsToPdfWhichKeepsAnOlderFileItCannotReplace) {
    ASSERT_TRUE(Start());
    form_->Toolbar1ButtonClick("Print");
    Child<QAction>("mnuPrint")->trigger();
    EXPECT_EQ(desktop_.Prompt.Messages,
              (std::vector<std::string>(
                  2, "No printer is installed.  Use File > Print to PDF . . . to print the table to a file.")));

    desktop_.Printers.Names = {PdfPrinterName};
    desktop_.Printers.Current = PdfPrinterName;
    const fs::path pdf = fixture_.Folder() / "printed.pdf";
    desktop_.Files.Answers = {pdf.string()};
    Child<QAction>("mnuPrint")->trigger();
    EXPECT_EQ(desktop_.Files.Asked, std::vector<std::string>{"H-3 Ingestion Risk.pdf PDF (*.pdf)|*.pdf|"})
        << "printing to the PDF file asks for its name, the table's offered";
    EXPECT_EQ(ReadBytes(pdf).substr(0, 5), "%PDF-");

    // A PDF that cannot be written wholly leaves the older file of that name.
    std::ofstream(pdf, std::ios::binary) << "%PDF- printed last week";
    const auto filesBefore = std::distance(fs::directory_iterator(fixture_.Folder()), {});
    desktop_.Files.Answers = {pdf.string()};
    {
        const test::FileSizeLimit fullDisk(2048);
        Child<QAction>("mnuPrintToPdf")->trigger();
    }
    ASSERT_EQ(desktop_.Prompt.Messages.size(), 3U);
    const std::string& message = desktop_.Prompt.Messages.back();
    EXPECT_TRUE(message.ends_with(") occured while printing.")) << message;
    EXPECT_EQ(ReadBytes(pdf), "%PDF- printed last week");
    EXPECT_EQ(std::distance(fs::directory_iterator(fixture_.Folder()), {}), filesBefore) << "nothing is left behind";
}

// The window and its tool windows read through one session, opened at start-up; compaction
// closes and opens it again, and the tool windows keep working.
TEST_F(MainWindowTest, ExploringAndComparingReadThroughTheWindowsOneSessionBeforeAndAfterCompaction) {
    std::int64_t id = 0;
    for (const auto& [nuclide, value] :
         std::vector<std::pair<std::string, double>>{{"H-3", 1.8e-11}, {"Cs-137", 1.3e-8}})
        for (const double age : {100.0, 7300.0}) fixture_.AddDose("Fgr13ingGDB", nuclide, {{25, value}}, ++id, "", age);
    const long long openings = DatabaseOpenings();
    ASSERT_TRUE(Start());
    Child<QAction>("Tools_ExploreAllNuclides")->trigger();
    auto* explore = form_->findChild<QDialog*>("frmExplore");
    ASSERT_NE(explore, nullptr);
    auto* rows = explore->findChild<QTableWidget*>("tblRows");
    ASSERT_EQ(rows->rowCount(), 2);
    emit rows->cellDoubleClicked(1, 2);
    EXPECT_EQ(Nuclide()->text(), "H-3") << "the lower of the two";
    EXPECT_NE(form_->MSFlexGrid1().TextMatrix(1, 0), "(None Available)");
    // Limits: 1 mSv over 1.3E-08 Sv/Bq, the most restrictive (Cs-137's) first.
    auto* target = explore->findChild<QLineEdit*>("txtLimitTarget");
    target->setText("1 mSv");
    emit target->editingFinished();
    EXPECT_EQ(rows->item(0, 2)->text(), "Cs-137");
    EXPECT_EQ(rows->item(0, 5)->text(), "7.69E+04");

    // From the main window's list: its nuclide picked first, another added, the same table.
    Child<QAction>("Tools_CompareNuclides")->trigger();
    auto* picker = form_->findChild<QDialog*>("frmComparePicker");
    ASSERT_NE(picker, nullptr);
    const auto caesium = picker->findChild<QListWidget*>("lstNuclides")->findItems("Cs-137", Qt::MatchFixedString);
    ASSERT_EQ(caesium.size(), 1);
    caesium.front()->setSelected(true);
    picker->findChild<QPushButton*>("cmdCompare")->click();
    ASSERT_NE(picker->findChild<QDialog*>("frmCompare"), nullptr);
    auto* table = picker->findChild<QDialog*>("frmCompare")->findChild<QTableWidget*>("tblComparison");
    ASSERT_EQ(table->columnCount(), 5) << "descriptors, two nuclides, the rows' units (f1's none), ratio";
    EXPECT_TRUE(table->horizontalHeaderItem(1)->text().startsWith("H-3"))
        << table->horizontalHeaderItem(1)->text().toStdString();

    Child<QAction>("Tools_DecayChain")->trigger();
    Child<QAction>("Tools_IntakeCalculator")->trigger();
    EXPECT_EQ(DatabaseOpenings() - openings, 1);

    Child<QAction>("Tools_CompactDatabase")->trigger();
    EXPECT_EQ(DatabaseOpenings() - openings, 2) << "closed for the compaction and opened again";
    emit rows->cellDoubleClicked(0, 2);
    EXPECT_EQ(Nuclide()->text(), "Cs-137");
    EXPECT_NE(form_->MSFlexGrid1().TextMatrix(1, 0), "(None Available)");
    picker->findChild<QPushButton*>("cmdCompare")->click();
    EXPECT_EQ(picker->findChildren<QDialog*>("frmCompare").size(), 2);
    EXPECT_TRUE(desktop_.Prompt.Messages.empty());
}

// The dialogs. The centring rule itself is tested with the utility library.

TEST(CenterTheForm, MovesAWidgetTallerThanItsScreenToTheTopEdge) {
    QWidget widget;
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    widget.resize(screen.width() / 2, screen.height() * 2);
    CenterTheForm(widget);
    EXPECT_EQ(widget.pos(), QPoint(screen.left() + screen.width() / 4, screen.top()));
}

TEST(PageSetup, OkAppliesPrinterPaperAndPaperStyleAndCancelOrAMissingPrinterChangesNothing) {
    test::FakePrinters printers;
    printers.Names = {"Office", "Lab", "Lab"};
    printers.Current = "Lab";
    for (const char* button : {"CancelButton", "OKButton"}) {
        frmPageSetup dialog(printers);
        dialog.SetPaperStyle(2);
        dialog.Load();
        EXPECT_TRUE(dialog.PaperStyleOptionButton(2)->isChecked());
        EXPECT_EQ(dialog.PaperSizeComboDropDown()->currentText(), "Letter");
        dialog.PrinterComboDropDown()->setCurrentIndex(0);
        dialog.PaperSizeComboDropDown()->setCurrentText("Legal");
        dialog.PaperStyleOptionButton(1)->click();
        dialog.findChild<QPushButton*>(button)->click();
        const bool ok = std::string(button) == "OKButton";
        EXPECT_EQ(dialog.result(), ok ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(dialog.PaperStyle(), ok ? 1 : 2);
        EXPECT_EQ(printers.Current, ok ? "Office" : "Lab");
        EXPECT_EQ(printers.Paper(), ok ? PaperSize::Legal : PaperSize::Letter);
    }
    for (const auto& names : {std::vector<std::string>{}, std::vector<std::string>{"Lab"}}) {
        printers.Names = names;  // without the current printer
        frmPageSetup dialog(printers);
        dialog.Load();
        EXPECT_EQ(dialog.PrinterComboDropDown()->currentIndex(), -1);
        dialog.findChild<QPushButton*>("OKButton")->click();
        EXPECT_EQ(printers.Current, "Office");
    }
}

TEST(PageSetup, ThePdfFileIsAlwaysOfferedAndIsTheChoiceWhileNoPrinterIsSet) {
    QPrinter printer;
    QtPrinterChoice printers(printer);
    ASSERT_FALSE(printers.PrinterNames().empty());
    EXPECT_EQ(printers.PrinterNames().back(), PdfPrinterName);
    frmPageSetup dialog(printers);
    dialog.Load();
    EXPECT_GE(dialog.PrinterComboDropDown()->currentIndex(), 0) << "a choice shows, never an empty box";
    EXPECT_EQ(dialog.PrinterComboDropDown()->currentText().toStdString(), printers.CurrentPrinterName());
    printers.SelectPrinter(PdfPrinterName);
    EXPECT_EQ(printers.CurrentPrinterName(), PdfPrinterName);
    // The paper is the locale's: Letter in the US, A4 in Germany.
    for (const auto& [locale, paper] : {std::pair{QLocale(QLocale::English, QLocale::UnitedStates), PaperSize::Letter},
                                        {QLocale(QLocale::German, QLocale::Germany), PaperSize::A4}}) {
        QLocale::setDefault(locale);
        QPrinter local;
        EXPECT_EQ(QtPrinterChoice(local).Paper(), paper) << locale.name().toStdString();
    }
    QLocale::setDefault(QLocale::system());
}

// System Info shows the report of the database the main window reads; its button starts the
// program the key names, or says none is there.
TEST(SystemInformation, AboutShowsTheReportAndStartsTheProgramTheKeyNamesOrSaysItIsUnavailable) {
    test::FakeKeys keys;
    test::RecordingStarter starter;
    test::RecordingPrompt prompt;
    test::FixtureDatabase fixture;
    fixture.CreateStartUpTables();
    frmAbout about({"", "", fixture.Path(), "/u/user.ini"}, keys, starter, prompt);
    std::string report;
    QTimer::singleShot(0, [&] {
        auto* info = qobject_cast<frmSystemInfo*>(QApplication::activeModalWidget());
        if (!info) return;
        report = info->ReportText();
        info->findChild<QPushButton*>("cmdStartSysInfo")->click();
        keys.Values["SOFTWARE\\Microsoft\\Shared Tools\\MSINFO|PATH"] = "/usr/bin/hardinfo";
        info->findChild<QPushButton*>("cmdStartSysInfo")->click();
        starter.Starts = false;
        info->findChild<QPushButton*>("cmdStartSysInfo")->click();
        info->accept();
    });
    about.findChild<QPushButton*>("cmdSysInfo")->click();
    EXPECT_NE(report.find("Database: " + fixture.Path() + "\n"), std::string::npos) << report;
    EXPECT_NE(report.find(" (built with " QT_VERSION_STR), std::string::npos) << report;
    EXPECT_EQ(starter.Started, (std::vector<std::string>(2, "/usr/bin/hardinfo")));
    EXPECT_EQ(prompt.Messages, (std::vector<std::string>(2, "System Information Is Unavailable At This Time")));
}

}  // namespace
}  // namespace quorvel

#include <gtest/gtest.h>

#include <QComboBox>
#include <QPrinter>
#include <QGuiApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "DesktopFakes.h"
#include "FixtureDatabase.h"
#include "FormCentring.h"
#include "PrinterChoice.h"
#include "SystemInformation.h"
#include "frmAbout.h"
#include "frmPageSetup.h"
#include "frmSplash.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;
using test::FakeKeys;
using test::FakePrinters;
using test::RecordingPrompt;
using test::RecordingStarter;
using test::TemporaryFolder;

// Centring.

// The placement rule itself is tested with the utility library, which the window uses.

TEST(CenterTheForm, MovesAWidgetTallerThanItsScreenToTheTopEdge) {
    QWidget widget;
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    widget.resize(screen.width() / 2, screen.height() * 2);
    CenterTheForm(widget);
    EXPECT_EQ(widget.pos(), QPoint(screen.left() + screen.width() / 4, screen.top()));
}

// Page Setup.

class PageSetupTest : public testing::Test {
protected:
    void SetUp() override {
        printers_.Names = {"Office", "Lab", "Lab"};
        printers_.Current = "Lab";
    }
    FakePrinters printers_;
};

TEST_F(PageSetupTest, OkAppliesPrinterAndPaperStyleAndCancelChangesNothing) {
    for (const char* button : {"CancelButton", "OKButton"}) {
        frmPageSetup dialog(printers_);
        dialog.SetPaperStyle(2);
        dialog.Load();
        dialog.PrinterComboDropDown()->setCurrentIndex(0);
        dialog.PaperStyleOptionButton(1)->click();
        dialog.findChild<QPushButton*>(button)->click();
        const bool ok = std::string(button) == "OKButton";
        EXPECT_EQ(dialog.result(), ok ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(dialog.PaperStyle(), ok ? 1 : 2);
        EXPECT_EQ(printers_.Current, ok ? "Office" : "Lab");
    }
}

TEST_F(PageSetupTest, WithNoPrinterInstalledOkKeepsThePreviousPrinter) {
    printers_.Names.clear();
    frmPageSetup dialog(printers_);
    dialog.SetPaperStyle(1);
    dialog.Load();
    EXPECT_TRUE(dialog.PaperStyleOptionButton(1)->isChecked());
    dialog.findChild<QPushButton*>("OKButton")->click();
    EXPECT_EQ(printers_.Current, "Lab");
    EXPECT_EQ(dialog.PaperStyle(), 1);

    printers_.Names = {"Office"};  // the current printer is not among them
    dialog.Load();
    EXPECT_EQ(dialog.PrinterComboDropDown()->currentIndex(), -1);
    dialog.findChild<QPushButton*>("OKButton")->click();
    EXPECT_EQ(printers_.Current, "Lab");
}

TEST(PageSetupPrinters, ThePdfFileIsAlwaysOfferedAndIsTheChoiceWhileNoPrinterIsSet) {
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
}

// Splash and About.

TEST(About, StartsSystemInformation) {
    FakeKeys keys;
    keys.Values["SOFTWARE\\Microsoft\\Shared Tools\\MSINFO|PATH"] = "/usr/bin/hardinfo";
    RecordingStarter starter;
    RecordingPrompt prompt;
    frmAbout about(keys, starter, prompt);
    about.findChild<QPushButton*>("cmdSysInfo")->click();
    EXPECT_EQ(starter.Started, (std::vector<std::string>{"/usr/bin/hardinfo"}));
    EXPECT_TRUE(prompt.Messages.empty());
}

// System information.

TEST(SystemInformation, NoKeyOrAProgramThatDoesNotStartGivesTheMessage) {
    FakeKeys keys;
    RecordingStarter starter;
    RecordingPrompt prompt;
    StartSysInfo(keys, starter, prompt);
    keys.Values["SOFTWARE\\Microsoft\\Shared Tools\\MSINFO|PATH"] = "/opt/info/sysinfo";
    starter.Starts = false;
    StartSysInfo(keys, starter, prompt);
    EXPECT_EQ(prompt.Messages, (std::vector<std::string>(2, "System Information Is Unavailable At This Time")));
}

}  // namespace
}  // namespace quorvel

// The commands of the menus and the toolbar.
#include <QPrinter>
#include <QRadioButton>
#include <filesystem>

#include "DesktopDocumentOpener.h"
#include "FileNameSuggestion.h"
#include "GridPrintJobs.h"
#include "GridText.h"
#include "HelpWindow.h"
#include "NuclideList.h"
#include "NumberText.h"
#include "ResultGridView.h"
#include "RowPrinting.h"
#include "SpreadsheetExport.h"
#include "TextExport.h"
#include "frmAbout.h"
#include "frmPageSetup.h"
#include "frmPrimarySelectionForm.h"

namespace quorvel {

namespace {

inline constexpr const char* NoPrinterMessage =
    "No printer is installed.  Use File > Print to PDF . . . to print the table to a file.";

}  // namespace

void frmPrimarySelectionForm::Toolbar1ButtonClick(const std::string& key) {
    if (key == "Print") {
        PrintCommand();
    } else if (key == "Export") {
        ExportCommand();
    } else if (key == "CopyToClipboard") {
        // Nothing selected: the whole table, which is what a user copying from the toolbar wants.
        if (gridView_->HasSelection())
            gridCopyPaste_.CopyContentsFromToolbarClick(model_.Grid().Row(), model_.Grid().RowSel(),
                                                        model_.Grid().Col(), model_.Grid().ColSel());
        else
            gridCopyPaste_.CopyContentsFromToolbarClick(0, model_.Grid().Rows() - 1, 0, model_.Grid().Cols() - 1);
    } else if (key == "ExportToExcel") {
        SpreadsheetTable(model_.Grid());
    }
}

void frmPrimarySelectionForm::SpreadsheetTable(const FlexGrid& table) {
    try {
        XlsxSpreadsheetApplication application(services_.Opener);
        ExportToExcel(table, application, services_.Prompt);
    } catch (const std::exception&) {
        // The export reports its own failures; anything beyond them is ignored.
    }
}

void frmPrimarySelectionForm::CopyWholeTable(const FlexGrid& table) {
    if (table.Rows() < 1 || table.Cols() < 1) return;
    services_.Clipboard.Clear();
    services_.Clipboard.SetText(FormatBlockAsClipboardText(table, 0, table.Rows() - 1, 0, table.Cols() - 1));
}

void frmPrimarySelectionForm::PrintCommand() { PrintTable(model_.Grid(), model_.ShownTableName()); }

void frmPrimarySelectionForm::PrintTable(const FlexGrid& table, const std::vector<std::string>& name) {
    if (services_.Printers.PrinterNames().empty()) {
        services_.Prompt.ShowMessage(NoPrinterMessage);
        return;
    }
    if (services_.Printers.CurrentPrinterName() == PdfPrinterName) {
        PrintTableToPdf(table, name);
        return;
    }
    PrintGridOnPrinter(table, printPaperStyle_, services_.Printer, services_.Prompt);
}

void frmPrimarySelectionForm::PrintToPdfCommand() { PrintTableToPdf(model_.Grid(), model_.ShownTableName()); }

void frmPrimarySelectionForm::PrintTableToPdf(const FlexGrid& table, const std::vector<std::string>& name) {
    PrintGridToChosenPdf(table, printPaperStyle_, name, services_);
}

void frmPrimarySelectionForm::ExportCommand() { ExportTable(model_.Grid(), {}); }

void frmPrimarySelectionForm::ExportTable(const FlexGrid& table, const std::vector<std::string>& name) {
    const auto fileName =
        services_.Files.ChooseSaveFile(name.empty() ? "*.*" : SuggestedFileName(name, ".txt"), ExportFilter);
    if (!fileName) return;
    WriteTheContentOfMSFlexGridToAsciiFile(table, *fileName, services_.Prompt);
}

void frmPrimarySelectionForm::PageSetupCommand() {
    frmPageSetup dialog(services_.Printers, this);
    dialog.SetPaperStyle(printPaperStyle_);
    dialog.exec();
    printPaperStyle_ = dialog.PaperStyle();
}

void frmPrimarySelectionForm::AboutCommand() {
    SystemReportFacts facts;
    facts.DatabasePath = databasePath_;
    facts.UserIniPath = UserIniPath();
    frmAbout about(facts, services_.Keys, services_.Starter, services_.Prompt, this);
    about.exec();
}

void frmPrimarySelectionForm::OpenHelpFile(const std::string& fileName) {
    const std::string path = services_.ApplicationDirectory + "/" + fileName;
    const std::string problem = HelpFileProblem(path);
    if (!problem.empty()) {
        services_.Prompt.ShowMessage(HelpFileMessage(problem, fileName, services_.ApplicationDirectory));
        return;
    }
    if (!helpWindow_) helpWindow_ = new HelpWindow(this);
    helpWindow_->ShowHelpFile(path);
    helpWindow_->show();
    helpWindow_->raise();
}

void frmPrimarySelectionForm::HowToUseHelpCommand() {
    if (!helpWindow_) helpWindow_ = new HelpWindow(this);
    helpWindow_->ShowHelpOnHelp();
    helpWindow_->show();
    helpWindow_->raise();
}

}  // namespace quorvel

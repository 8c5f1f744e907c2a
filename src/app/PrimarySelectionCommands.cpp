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
            gridCopyPaste_.CopyContentsFromToolbarClick(grid_.Row(), grid_.RowSel(), grid_.Col(), grid_.ColSel());
        else
            gridCopyPaste_.CopyContentsFromToolbarClick(0, grid_.Rows() - 1, 0, grid_.Cols() - 1);
    } else if (key == "ExportToExcel") {
        SpreadsheetTable(grid_);
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

void frmPrimarySelectionForm::PrintCommand() { PrintTable(grid_, ShownTableName()); }

std::vector<std::string> frmPrimarySelectionForm::ShownTableName() const {
    if (!shown_) return {};
    const TableKind& kind = shown_->Request.Kind;
    // The nuclide as the list spells it; one the list lacks as it was typed.
    std::string nuclide = QString::fromStdString(shown_->Request.Nuclide).trimmed().toStdString();
    for (const std::string& entry : entries_)
        if (FoldCase(EntryNuclide(entry)) == FoldCase(nuclide)) nuclide = EntryNuclide(entry);
    const std::string pathway =
        kind.PathwayCode == Pathway::External
            ? GeometryCaption(kind.Geometry)
            : optCoefficients_[static_cast<std::size_t>(kind.PathwayCode)]->text().toStdString();
    return {nuclide, pathway, optType_[static_cast<std::size_t>(kind.Type)]->text().toStdString(),
            shown_->ProgenyCutoffSeconds ? "+D" : ""};
}

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

void frmPrimarySelectionForm::PrintToPdfCommand() { PrintTableToPdf(grid_, ShownTableName()); }

void frmPrimarySelectionForm::PrintTableToPdf(const FlexGrid& table, const std::vector<std::string>& name) {
    PrintGridToChosenPdf(table, printPaperStyle_, name, services_);
}

void frmPrimarySelectionForm::ExportCommand() { ExportTable(grid_, {}); }

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

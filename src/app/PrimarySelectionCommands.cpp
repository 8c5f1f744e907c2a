// The commands of the menus and the toolbar.
#include <QPrinter>
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "DesktopDocumentOpener.h"
#include "FileReplacement.h"
#include "GridPrinting.h"
#include "HelpWindow.h"
#include "QtPrinterSurface.h"
#include "SpreadsheetExport.h"
#include "TextExport.h"
#include "frmAbout.h"
#include "frmPageSetup.h"
#include "frmPrimarySelectionForm.h"

namespace quorvel {

namespace {

inline constexpr const char* NoPrinterMessage =
    "No printer is installed.  Use File > Print to PDF . . . to print the table to a file.";

// True when a whole document was printed; every failure has been shown.
bool PrintGrid(const FlexGrid& grid, int paperStyle, QPrinter& printer, UserPrompt& prompt) {
    try {
        QtPrinterSurface surface(printer);
        WriteGridResultsToPrinter(grid, paperStyle, surface, prompt);
        return surface.DocumentPrinted();
    } catch (const std::exception& e) {
        prompt.ShowMessage(std::string("An error (") + e.what() + ") occured while printing.");
        return false;
    }
}

// Qt's PDF writer does not report a full disk; a whole PDF file ends with its "%%EOF" mark.
bool PdfFileIsComplete(const std::string& path) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    const std::streamoff size = file.tellg();
    if (!file || size <= 0) return false;
    const std::streamoff tail = std::min<std::streamoff>(size, 16);
    std::string end(static_cast<std::size_t>(tail), '\0');
    file.seekg(size - tail);
    file.read(end.data(), tail);
    return file && end.find("%%EOF") != std::string::npos;
}

}  // namespace

void frmPrimarySelectionForm::Toolbar1ButtonClick(const std::string& key) {
    if (key == "Print") {
        PrintCommand();
    } else if (key == "Export") {
        ExportCommand();
    } else if (key == "CopyToClipboard") {
        gridCopyPaste_.CopyContentsFromToolbarClick(grid_.Row(), grid_.RowSel(), grid_.Col(), grid_.ColSel());
    } else if (key == "ExportToExcel") {
        try {
            XlsxSpreadsheetApplication application(services_.Opener);
            ExportToExcel(grid_, application, services_.Prompt);
        } catch (const std::exception&) {
            // The export reports its own failures; anything beyond them is ignored.
        }
    }
}

void frmPrimarySelectionForm::PrintCommand() {
    if (services_.Printers.PrinterNames().empty()) {
        services_.Prompt.ShowMessage(NoPrinterMessage);
        return;
    }
    PrintGrid(grid_, printPaperStyle_, services_.Printer, services_.Prompt);
}

void frmPrimarySelectionForm::PrintToPdfCommand() {
    const auto fileName = services_.Files.ChooseSaveFile("*.pdf", "PDF (*.pdf)|*.pdf|");
    if (!fileName) return;
    std::string path = *fileName;
    if (std::filesystem::path(path).extension().empty()) path += ".pdf";
    // The document goes into place only once complete: a failed print leaves an older
    // file of that name as it was.
    bool printed = false;
    const bool replaced = ReplaceFile(path, [&](const std::string& output) {
        QPrinter pdf(QPrinter::HighResolution);
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setOutputFileName(QString::fromStdString(output));
        printed = PrintGrid(grid_, printPaperStyle_, pdf, services_.Prompt);
        return printed && PdfFileIsComplete(output);
    });
    if (printed && !replaced)
        services_.Prompt.ShowMessage("An error (the file " + path + " could not be written) occured while printing.");
}

void frmPrimarySelectionForm::ExportCommand() {
    const auto fileName = services_.Files.ChooseSaveFile("*.*", ExportFilter);
    if (!fileName) return;
    WriteTheContentOfMSFlexGridToAsciiFile(grid_, *fileName, services_.Prompt);
}

void frmPrimarySelectionForm::PageSetupCommand() {
    frmPageSetup dialog(services_.Printers, this);
    dialog.SetPaperStyle(printPaperStyle_);
    dialog.exec();
    printPaperStyle_ = dialog.PaperStyle();
}

void frmPrimarySelectionForm::AboutCommand() {
    frmAbout about(services_.Keys, services_.Starter, services_.Prompt, this);
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

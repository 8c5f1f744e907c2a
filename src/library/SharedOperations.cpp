// The status bar, the file dialog, the text export, the window centring and printing:
// the same operations as the rest of the program's.

#include "TalvorLibrary.h"
#include "TextExport.h"

namespace quorvel {

void clsTalvorLibrary::UpdateStatusBar(StatusBarText* statusBar, int panel, const std::string& text) {
    if (statusBar == nullptr || panel < 1 || panel > statusBar->PanelCount()) return;
    statusBar->SetPanelText(panel, text);
    statusBar->Refresh();
}

bool clsTalvorLibrary::BrowseDialogBox(FileDialog& dialog, bool openMode, const std::string& initialFileName,
                                       std::string& chosenFileName, const std::string& filter) {
    // An initial name that is a folder would show as a file name: the dialog starts empty.
    const std::string shown = initialFileName.ends_with('\\') || initialFileName.ends_with('/') ? "" : initialFileName;
    try {
        const auto chosen = openMode ? dialog.ShowOpen(shown, filter, 1) : dialog.ShowSave(shown, filter, 1);
        if (!chosen) return false;
        chosenFileName = *chosen;
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool clsTalvorLibrary::WriteTheContentOfMSFlexGridToAsciiFile(const FlexGrid& grid, const std::string& fileName,
                                                              UserPrompt& prompt) {
    return quorvel::WriteTheContentOfMSFlexGridToAsciiFile(grid, fileName, prompt);
}

FormPlacement clsTalvorLibrary::CenterTheForm(const FormSize& screen, const FormSize& window) {
    return CentredFormPlacement(screen, window);
}

void clsTalvorLibrary::WriteGridResultsToPrinter(const FlexGrid& grid, PrinterSurface& printer, UserPrompt& prompt) {
    GridPrintingOptions options;
    options.KeepOrientation = true;
    options.HeaderOnEveryPage = true;
    options.FixedDataRowFonts = true;
    // The paper style is not applied: the printer keeps its orientation.
    quorvel::WriteGridResultsToPrinter(grid, LandscapePaperStyle, printer, prompt, options);
}

}  // namespace quorvel

#pragma once
// Handing the whole grid to a spreadsheet program: a new workbook filled cell by cell
// with the grid's texts, then shown to the user, who takes over from there.

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

#include "FlexGrid.h"
#include "UserPrompt.h"

namespace quorvel {

// Opens a document with the desktop's program for it.
class DocumentOpener {
public:
    virtual ~DocumentOpener() = default;
    virtual void Open(const std::string& path) = 0;  // throws std::runtime_error with the cause
};

// A spreadsheet program as the export drives it. Failures are std::runtime_error with the
// cause.
class SpreadsheetApplication {
public:
    virtual ~SpreadsheetApplication() = default;
    // A new hidden instance holding a new workbook whose first sheet is active.
    virtual void StartHidden() = 0;
    // Row and column count from 1; A1 is (1, 1).
    virtual void SetCellValue(int row, int col, const std::string& text) = 0;
    virtual void MakeVisible() = 0;
    // Lets go of the instance; one never made visible is discarded unseen.
    virtual void Release() = 0;
};

// The workbook is built in memory and, when made visible, saved as a new .xlsx file in a
// folder of its own under the temporary directory and handed to the opener. A value that
// reads as a number is written as a number in the grid's 0.00E+00 look, any other as text;
// column A is made as wide as its longest text.
class XlsxSpreadsheetApplication : public SpreadsheetApplication {
public:
    explicit XlsxSpreadsheetApplication(DocumentOpener& opener);
    ~XlsxSpreadsheetApplication() override;
    XlsxSpreadsheetApplication(const XlsxSpreadsheetApplication&) = delete;
    XlsxSpreadsheetApplication& operator=(const XlsxSpreadsheetApplication&) = delete;

    void StartHidden() override;
    void SetCellValue(int row, int col, const std::string& text) override;
    void MakeVisible() override;
    void Release() override;

    // The file of the last workbook made visible (empty before).
    const std::string& SavedPath() const { return savedPath_; }

private:
    struct Workbook;
    DocumentOpener& opener_;
    std::unique_ptr<Workbook> workbook_;
    std::string savedPath_;
};

// Removes from the temporary folder the workbook folders of earlier exports that the
// spreadsheet program no longer needs: unchanged for longer than the given age (it has long
// read them by then) and not open in it (no lock file of LibreOffice or Microsoft Office
// beside the workbook). A fresh or open one, and anything not an export's, is left alone.
void RemoveEarlierExportFolders(const std::filesystem::path& temporaryFolder, std::chrono::seconds olderThan);

// Every grid cell (r, c) to the sheet's cell (r + 1, c + 1), row by row, then the
// workbook is shown. Any failure shows its cause in a message and ends the export.
void ExportToExcel(const FlexGrid& grid, SpreadsheetApplication& application, UserPrompt& prompt);

}  // namespace quorvel

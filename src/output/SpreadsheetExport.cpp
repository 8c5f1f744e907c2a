#include "SpreadsheetExport.h"

#include <xlsxwriter.h>

#include <cerrno>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace quorvel {

namespace {

constexpr const char* WorkbookFileName = "Coefficients.xlsx";

// A new folder of its own under the temporary directory, so that no earlier export is
// ever overwritten.
std::filesystem::path MakeExportFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "quorvel-export-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot create a folder for the workbook in " +
                                 std::filesystem::temp_directory_path().string() + ": " +
                                 std::generic_category().message(errno));
    return pattern;
}

}  // namespace

struct XlsxSpreadsheetApplication::Workbook {
    std::filesystem::path Folder;
    lxw_workbook* Book = nullptr;
    lxw_worksheet* Sheet = nullptr;

    // Drops the unsaved workbook and its folder.
    void Discard() {
        if (Book != nullptr) lxw_workbook_free(Book);
        Book = nullptr;
        std::error_code ignored;
        std::filesystem::remove_all(Folder, ignored);
    }
};

XlsxSpreadsheetApplication::XlsxSpreadsheetApplication(DocumentOpener& opener) : opener_(opener) {}

XlsxSpreadsheetApplication::~XlsxSpreadsheetApplication() { Release(); }

void XlsxSpreadsheetApplication::StartHidden() {
    Release();
    auto workbook = std::make_unique<Workbook>();
    workbook->Folder = MakeExportFolder();
    const std::string path = (workbook->Folder / WorkbookFileName).string();
    workbook->Book = workbook_new(path.c_str());
    if (workbook->Book == nullptr) {
        workbook->Discard();
        throw std::runtime_error("cannot create a new workbook " + path);
    }
    workbook->Sheet = workbook_add_worksheet(workbook->Book, nullptr);
    if (workbook->Sheet == nullptr) {
        workbook->Discard();
        throw std::runtime_error("cannot add a worksheet to the new workbook");
    }
    workbook_ = std::move(workbook);
}

void XlsxSpreadsheetApplication::SetCellValue(int row, int col, const std::string& text) {
    if (!workbook_) throw std::logic_error("no workbook is open");
    if (row < 1 || col < 1)
        throw std::out_of_range("cell (" + std::to_string(row) + ", " + std::to_string(col) +
                                ") is outside the worksheet");
    const lxw_error error = worksheet_write_string(workbook_->Sheet, static_cast<lxw_row_t>(row - 1),
                                                   static_cast<lxw_col_t>(col - 1), text.c_str(), nullptr);
    if (error != LXW_NO_ERROR)
        throw std::runtime_error("cannot set cell (" + std::to_string(row) + ", " + std::to_string(col) +
                                 "): " + lxw_strerror(error));
}

void XlsxSpreadsheetApplication::MakeVisible() {
    if (!workbook_) throw std::logic_error("no workbook is open");
    const std::string path = (workbook_->Folder / WorkbookFileName).string();
    // Closing writes the file and frees the workbook, whatever the outcome.
    const lxw_error error = workbook_close(workbook_->Book);
    workbook_->Book = nullptr;
    if (error != LXW_NO_ERROR) throw std::runtime_error("cannot save the workbook " + path + ": " + lxw_strerror(error));
    opener_.Open(path);
    savedPath_ = path;
    workbook_.reset();  // the file now belongs to the spreadsheet program
}

void XlsxSpreadsheetApplication::Release() {
    if (workbook_) workbook_->Discard();
    workbook_.reset();
}

void ExportToExcel(const FlexGrid& grid, SpreadsheetApplication& application, UserPrompt& prompt) {
    try {
        const int rows = grid.Rows();
        const int cols = grid.Cols();
        application.StartHidden();
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c) application.SetCellValue(r + 1, c + 1, grid.TextMatrix(r, c));
        application.MakeVisible();
    } catch (const std::exception& error) {
        prompt.ShowMessage(std::string("An error (") + error.what() +
                           ") has occured while attempting to export to Excel. Terminating.");
    }
    application.Release();
}

}  // namespace quorvel

#include "SpreadsheetExport.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <stdexcept>
#include <system_error>
#include <xlsxwriter.h>

namespace quorvel {

namespace {

constexpr const char* WorkbookFileName = "Coefficients.xlsx";
constexpr const char* ExportFolderPrefix = "quorvel-export-";
// Shows a number as the grid does: one digit, two decimals, the exponent.
constexpr const char* NumberFormat = "0.00E+00";

// A text that a spreadsheet reads as a number: an optional minus, digits with at most one
// point, an optional exponent, and nothing else (no blanks, no words like "inf").
bool ReadsAsNumber(const std::string& text, double& value) {
    std::size_t at = 0;
    const auto digits = [&] {
        const std::size_t start = at;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9') ++at;
        return at - start;
    };
    if (at < text.size() && text[at] == '-') ++at;
    std::size_t mantissa = digits();
    if (at < text.size() && text[at] == '.') {
        ++at;
        mantissa += digits();
    }
    if (mantissa == 0) return false;
    if (at < text.size() && (text[at] == 'E' || text[at] == 'e')) {
        ++at;
        if (at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;
        if (digits() == 0) return false;
    }
    if (at != text.size()) return false;
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return std::isfinite(value);
}

// Characters as a spreadsheet counts them: UTF-8 continuation bytes are no character.
std::size_t CharacterCount(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char byte) { return (static_cast<unsigned char>(byte) & 0xC0U) != 0x80U; }));
}

// A new folder of its own under the temporary directory, so that no earlier export is
// ever overwritten.
std::filesystem::path MakeExportFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / (std::string(ExportFolderPrefix) + "XXXXXX")).string();
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
    lxw_format* Number = nullptr;
    std::size_t LongestFirstColumnText = 0;

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
    workbook->Number = workbook_add_format(workbook->Book);
    format_set_num_format(workbook->Number, NumberFormat);
    workbook_ = std::move(workbook);
}

void XlsxSpreadsheetApplication::SetCellValue(int row, int col, const std::string& text) {
    if (!workbook_) throw std::logic_error("no workbook is open");
    if (row < 1 || col < 1)
        throw std::out_of_range("cell (" + std::to_string(row) + ", " + std::to_string(col) +
                                ") is outside the worksheet");
    const auto sheetRow = static_cast<lxw_row_t>(row - 1);
    const auto sheetCol = static_cast<lxw_col_t>(col - 1);
    // As a spreadsheet program does with a value it is given: a text that reads as a number
    // becomes that number, shown as the grid shows it; anything else stays text.
    double number = 0;
    const lxw_error error =
        ReadsAsNumber(text, number)
            ? worksheet_write_number(workbook_->Sheet, sheetRow, sheetCol, number, workbook_->Number)
            : worksheet_write_string(workbook_->Sheet, sheetRow, sheetCol, text.c_str(), nullptr);
    if (col == 1) workbook_->LongestFirstColumnText = std::max(workbook_->LongestFirstColumnText, CharacterCount(text));
    if (error != LXW_NO_ERROR)
        throw std::runtime_error("cannot set cell (" + std::to_string(row) + ", " + std::to_string(col) +
                                 "): " + lxw_strerror(error));
}

void XlsxSpreadsheetApplication::MakeVisible() {
    if (!workbook_) throw std::logic_error("no workbook is open");
    const std::string path = (workbook_->Folder / WorkbookFileName).string();
    // Column A holds the descriptions: wide enough for the longest (widths count characters).
    if (workbook_->LongestFirstColumnText > 0)
        worksheet_set_column(workbook_->Sheet, 0, 0, static_cast<double>(workbook_->LongestFirstColumnText) + 1,
                             nullptr);
    // Closing writes the file and frees the workbook, whatever the outcome.
    const lxw_error error = workbook_close(workbook_->Book);
    workbook_->Book = nullptr;
    if (error != LXW_NO_ERROR)
        throw std::runtime_error("cannot save the workbook " + path + ": " + lxw_strerror(error));
    opener_.Open(path);
    savedPath_ = path;
    workbook_.reset();  // the file now belongs to the spreadsheet program
}

void XlsxSpreadsheetApplication::Release() {
    if (workbook_) workbook_->Discard();
    workbook_.reset();
}

void RemoveEarlierExportFolders(const std::filesystem::path& temporaryFolder, std::chrono::seconds olderThan) {
    namespace fs = std::filesystem;
    std::error_code error;
    const auto now = fs::file_time_type::clock::now();
    for (fs::directory_iterator it(temporaryFolder, error), end; !error && it != end; it.increment(error)) {
        const fs::path& folder = it->path();
        if (folder.filename().string().rfind(ExportFolderPrefix, 0) != 0 || !it->is_directory(error)) continue;
        const auto written = fs::last_write_time(folder, error);
        const bool open = fs::exists(folder / (std::string(".~lock.") + WorkbookFileName + "#"), error) ||
                          fs::exists(folder / (std::string("~$") + WorkbookFileName), error);
        if (error || open || now - written < olderThan) {
            error.clear();
            continue;
        }
        std::error_code ignored;  // a folder of another user stays, as it must
        fs::remove_all(folder, ignored);
    }
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

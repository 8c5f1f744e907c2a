#include "TidyTable.h"

#include <xlsxwriter.h>

#include "FileReplacement.h"

namespace quorvel {

namespace {

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string TsvField(std::string text) {
    for (char& c : text)
        if (c == '\t' || c == '\r' || c == '\n') c = ' ';
    return text;
}

template <typename Cell, typename TextOf>
std::string Line(const std::vector<Cell>& cells, SeparatedText format, TextOf textOf) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) line += format == SeparatedText::Tab ? '\t' : ',';
        line += format == SeparatedText::Tab ? TsvField(textOf(cells[i])) : CsvField(textOf(cells[i]));
    }
    return line + '\n';
}

std::string Join(const TidyTable& table, SeparatedText format) {
    std::string text = FormatTidyLine(table.Headings, format);
    for (const auto& row : table.Rows) text += FormatTidyLine(row, format);
    return text;
}

}  // namespace

std::string FormatTidyLine(const std::vector<TidyCell>& cells, SeparatedText format) {
    return Line(cells, format, [](const TidyCell& cell) -> const std::string& { return cell.Text; });
}

std::string FormatTidyLine(const std::vector<std::string>& headings, SeparatedText format) {
    return Line(headings, format, [](const std::string& heading) -> const std::string& { return heading; });
}

std::string FormatTidyTableAsCsv(const TidyTable& table) { return Join(table, SeparatedText::Comma); }

std::string FormatTidyTableAsTsv(const TidyTable& table) { return Join(table, SeparatedText::Tab); }

FlexGrid TidyTableGrid(const TidyTable& table) {
    FlexGrid grid;
    grid.SetRows(static_cast<int>(table.Rows.size()) + 1);
    grid.SetCols(static_cast<int>(table.Headings.size()));
    for (std::size_t c = 0; c < table.Headings.size(); ++c) grid.SetTextMatrix(0, static_cast<int>(c), table.Headings[c]);
    for (std::size_t r = 0; r < table.Rows.size(); ++r)
        for (std::size_t c = 0; c < table.Rows[r].size() && c < table.Headings.size(); ++c)
            grid.SetTextMatrix(static_cast<int>(r) + 1, static_cast<int>(c), table.Rows[r][c].Text);
    return grid;
}

struct TidyWorkbook::Book {
    lxw_workbook* Workbook = nullptr;
    lxw_worksheet* Sheet = nullptr;
    lxw_format* Bold = nullptr;
    lxw_format* Scientific = nullptr;
    lxw_row_t NextRow = 0;
    bool Written = false;

    void Put(lxw_col_t col, const TidyCell& cell, lxw_format* textFormat) {
        if (!Written) return;
        const lxw_error error = cell.Number ? worksheet_write_number(Sheet, NextRow, col, *cell.Number, Scientific)
                                            : worksheet_write_string(Sheet, NextRow, col, cell.Text.c_str(), textFormat);
        Written = error == LXW_NO_ERROR;
    }
};

TidyWorkbook::TidyWorkbook(const std::string& path) : book_(std::make_unique<Book>()) {
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    book_->Workbook = workbook_new_opt(path.c_str(), &options);
    if (book_->Workbook == nullptr) return;
    book_->Sheet = workbook_add_worksheet(book_->Workbook, nullptr);
    book_->Bold = workbook_add_format(book_->Workbook);
    format_set_bold(book_->Bold);
    book_->Scientific = workbook_add_format(book_->Workbook);
    format_set_num_format(book_->Scientific, "0.00E+00");
    book_->Written = book_->Sheet != nullptr;
}

TidyWorkbook::~TidyWorkbook() {
    if (book_->Workbook) workbook_close(book_->Workbook);
}

void TidyWorkbook::AddHeadings(const std::vector<std::string>& headings) {
    for (std::size_t c = 0; c < headings.size(); ++c)
        book_->Put(static_cast<lxw_col_t>(c), {headings[c], std::nullopt}, book_->Bold);
    ++book_->NextRow;
}

void TidyWorkbook::AddRow(const std::vector<TidyCell>& cells) {
    for (std::size_t c = 0; c < cells.size(); ++c) book_->Put(static_cast<lxw_col_t>(c), cells[c], nullptr);
    ++book_->NextRow;
}

bool TidyWorkbook::Close() {
    // Closing writes the file and frees the workbook either way.
    const bool closed = book_->Workbook != nullptr && workbook_close(book_->Workbook) == LXW_NO_ERROR;
    book_->Workbook = nullptr;
    return closed && book_->Written;
}

bool WriteTidyTableWorkbook(const TidyTable& table, const std::string& fileName) {
    return ReplaceFile(fileName, [&](const std::string& path) {
        TidyWorkbook workbook(path);
        workbook.AddHeadings(table.Headings);
        for (const auto& row : table.Rows) workbook.AddRow(row);
        return workbook.Close();
    });
}

}  // namespace quorvel

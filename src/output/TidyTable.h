#pragma once
// A plain table of headed columns (one heading row, then data rows) as the catalogue's
// outputs write it: comma- or tab-separated text, aligned text, or a workbook whose
// numbers are numeric cells.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "FlexGrid.h"

namespace quorvel {

struct TidyCell {
    std::string Text;
    std::optional<double> Number;  // a workbook writes this rather than the text
};

struct TidyTable {
    std::vector<std::string> Headings;
    std::vector<std::vector<TidyCell>> Rows;
};

enum class SeparatedText { Comma, Tab };

// One line of cells (or headings) in a separated text, with its LF.
std::string FormatTidyLine(const std::vector<TidyCell>& cells, SeparatedText format);
std::string FormatTidyLine(const std::vector<std::string>& headings, SeparatedText format);

// RFC 4180: a cell holding a comma, quote or line break stands in double quotes, its
// quotes doubled; LF line ends.
std::string FormatTidyTableAsCsv(const TidyTable& table);

// Cells joined by tabs (tabs and line breaks inside a cell become blanks); LF line ends.
std::string FormatTidyTableAsTsv(const TidyTable& table);

// Headings in row 0, data from row 1.
FlexGrid TidyTableGrid(const TidyTable& table);

// The table as it prints: the title in row 0 (the fixed row), the headings below it, both
// bold, then the rows; the structure recorded, so that a page that goes on with the rows
// repeats the title and the headings.
FlexGrid TitledTidyTableGrid(const TidyTable& table, const std::string& title);

// A new .xlsx file written row by row with little memory: headings bold, numbers as
// numeric cells in the scientific format, other cells as text.
class TidyWorkbook {
public:
    explicit TidyWorkbook(const std::string& path);
    ~TidyWorkbook();
    TidyWorkbook(const TidyWorkbook&) = delete;
    TidyWorkbook& operator=(const TidyWorkbook&) = delete;

    void AddHeadings(const std::vector<std::string>& headings);
    void AddRow(const std::vector<TidyCell>& cells);
    // Writes the file; true only when every cell went in.
    bool Close();

private:
    struct Book;
    std::unique_ptr<Book> book_;
};

// Writes the table as the first sheet of a new .xlsx file, replacing the file only when
// whole; numbers in the scientific format. False, the old file kept, when it cannot.
bool WriteTidyTableWorkbook(const TidyTable& table, const std::string& fileName);

}  // namespace quorvel

#pragma once
// Headed rows in the formats of the catalogue's outputs. A command produces its rows
// once, into whichever writer the format asks for; a named file is replaced only when whole.

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <stdexcept>
#include <string>
#include <vector>

#include "TidyTable.h"

namespace quorvel {

enum class RowFormat { Text, Csv, Tsv, Json, Xlsx };

// "text", "csv", "tsv", "json", "xlsx".
const std::vector<std::pair<std::string, RowFormat>>& RowFormatWords();

// A column of the output: its heading in tables and its key in JSON. A numeric column's
// cells carry their number as the JSON key's value (null without one) and their text
// under "text" (the "value" column) or "KEY_text".
struct OutputColumn {
    std::string Heading;
    std::string Key;
    bool Numeric = false;
};

// The format a file's name asks for: .xlsx, .json, .tsv, otherwise CSV.
RowFormat RowFormatOfFile(const std::string& fileName);

// The Save dialog's filter of the file formats ("Description|pattern|" pairs).
inline constexpr const char* RowFileFilter = "CSV (*.csv)|*.csv|Excel workbook (*.xlsx)|*.xlsx|JSON (*.json)|*.json|";

class RowWriter {
public:
    virtual ~RowWriter() = default;
    // unit: the unit every row is in; empty when the rows carry their own.
    virtual void Begin(const std::vector<OutputColumn>& columns, const std::string& unit) = 0;
    virtual void Row(const std::vector<TidyCell>& cells) = 0;
    virtual void End() = 0;
};

// A plain table (separated text, a workbook, a printed table) has no place above its
// headings for the unit, +D label and all, that the text table and JSON give once: it goes
// in a "Unit" column after the values, as the dump's.
class UnitColumn {
public:
    // The headings, with "Unit" when a unit is given.
    std::vector<std::string> Headings(const std::vector<OutputColumn>& columns, const std::string& unit);
    // The row's cells, with the unit when it has a column.
    const std::vector<TidyCell>& Cells(const std::vector<TidyCell>& cells);

private:
    TidyCell unit_;
    std::size_t at_ = 0;
    std::vector<TidyCell> row_;
};

// Output that cannot be written where asked (a workbook without a file, an unwritable file).
class OutputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

using RowProducer = std::function<void(RowWriter&)>;

// Writes what produce gives to out, or to the file when one is named. Aligned text keeps
// the rows until the end to measure the columns; the other formats stream.
void WriteRows(RowFormat format, const std::string& outputFile, std::ostream& out, const RowProducer& produce);

// Writes a finished text (the comparison's JSON) to out or the file.
void WriteText(const std::string& text, const std::string& outputFile, std::ostream& out);

}  // namespace quorvel

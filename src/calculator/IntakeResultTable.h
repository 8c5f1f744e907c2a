#pragma once
// The calculator's results as one table that every output is made from: the grid on
// screen (and so print, copy and the spreadsheet), the aligned text, CSV and xlsx files,
// and JSON. Headings name the dose unit, the risk band and "+D"; the total row says how
// many rows it sums.

#include <optional>
#include <string>
#include <vector>

#include "FlexGrid.h"
#include "IntakeCalculation.h"
#include "RowOutput.h"

namespace quorvel {

enum class ResultColumnKind { Text, Count, Number };

struct ResultColumn {
    std::string Heading = {};  // as every human-readable output heads it
    std::string Key = {};      // JSON's key: for a dose the SI one ("effective_dose_Sv")
    std::string UnitKey = {};  // JSON's key of a dose in the chosen unit ("effective_dose_mSv"); empty for Sv
    ResultColumnKind Kind = ResultColumnKind::Text;
    double Factor = 1;  // a value is shown in the column's unit as its SI value over this
};

struct ResultCell {
    std::string Text = {};             // in the column's unit
    std::optional<double> Value = {};  // SI (Sv for a dose)
};

struct IntakeResultTable {
    std::vector<std::string> Title;  // two lines: what the table is; units, band and +D
    std::vector<ResultColumn> Columns;
    std::vector<std::vector<ResultCell>> Rows;           // a row per mixture row, then the total
    std::vector<std::vector<std::string>> Steps, Notes;  // per mixture row
    std::string DoseUnit, RiskBand, Progeny, Organ;
    int RowsSummed = 0, RiskRowsSummed = 0;
};

IntakeResultTable BuildResultTable(const MixtureResult& result, const CalculationOptions& options);

// The title lines, the heading row, then the rows.
FlexGrid ResultGrid(const IntakeResultTable& table);

// The grid row of a mixture row (0-based index into the result's rows).
inline constexpr int IntakeResultFirstRow = 3;

// The table in a format: text (title, aligned columns, then every row's steps), CSV
// (headings and rows, RFC 4180), TSV, JSON (every row with its steps and notes, and the
// total with the counts). A workbook goes to a file; a file is replaced only when whole
// (OutputError otherwise).
void WriteResultTable(const IntakeResultTable& table, RowFormat format, const std::string& outputFile,
                      std::ostream& out);

}  // namespace quorvel

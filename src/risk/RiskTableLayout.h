#pragma once
// What the three risk tables share: the grid shape, the column headings, the value rows
// and the number of record groups.

#include <string>

#include "Coefficient.h"
#include "FlexGrid.h"

namespace quorvel {

inline constexpr int RiskDisplayedColumns = 11;
inline constexpr int RiskSectionRecords = 15;
inline constexpr int MortalityColumn = 3;
inline constexpr int MorbidityColumn = 8;
// The field position of the first displayed column of each table.
inline constexpr int IngestionRiskFirstPosition = 5;
inline constexpr int InhalationRiskFirstPosition = 4;
inline constexpr int ExternalRiskFirstPosition = 3;
// The internal tables' title block above the first section.
inline constexpr int InternalRiskTitleRows = 3;
// From a section's cursor row to its first value row: the "f1 = " row and the headings
// below the cursor (one row more when the section names a form).
inline constexpr int InternalRiskSectionHeadRows = 3;
// An external group's title, nuclide, units and heading rows.
inline constexpr int ExternalRiskHeadRows = 4;
// The empty row after a section's values and the move to the next row.
inline constexpr int RiskSectionGap = 2;

// Groups of records, the last one possibly short: every record is shown.
int RiskGroupCount(int recordCount, int groupSize);

// A field name beginning with "Mor" ("Mortality Male") is shown from its tenth
// character on, trimmed ("Male"); any other name is shown whole.
std::string RiskColumnHeading(const std::string& fieldName);

// The start every risk table makes: the empty result when the nuclide has no records
// (returning 0); otherwise the grid cleared and shaped for rowsPerGroup rows a group plus
// extraRows, returning the number of groups.
int PrepareRiskGrid(FlexGrid& grid, const CoefficientTable& table, int groupSize, int rowsPerGroup, int extraRows);

// The bold title block of the internal tables: title, stored nuclide name, "Units = " row.
void WriteRiskTitleBlock(FlexGrid& grid, const std::string& title, const CoefficientTable& table);

// The bold "f1 = " or "Units = " row with the "Mortality" and "Morbidity" headings.
void WriteMortalityMorbidityRow(FlexGrid& grid, int row, const std::string& firstCell);

// The headings of the eleven displayed columns.
void WriteRiskColumnHeadings(FlexGrid& grid, int row, const CoefficientTable& table);

// The block's rows, one a record; returns the last row written (row - 1 when the block
// has none).
int WriteRiskValueRows(FlexGrid& grid, int row, const CoefficientTable& table, int block);

// One section of an internal table below the cursor row r: the bold form row when the
// section names a form, the "f1 = " row, the headings and the section's records. Returns
// the cursor for the next section (one empty row after the values).
int WriteInternalRiskSection(FlexGrid& grid, int r, const CoefficientTable& table, int block);

// Every column but the first: left, vertically centred; and the table's block sources.
void FinishRiskGrid(FlexGrid& grid, const CoefficientTable& table);

}  // namespace quorvel

#pragma once
// The three dose coefficient tables: the readers of their cells and the builders that lay
// one nuclide's table out into the grid.

#include <string>

#include "Coefficient.h"
#include "Database.h"
#include "FlexGrid.h"
#include "StartUpReaders.h"

namespace quorvel {

// The value column of the external dose table, the only age it has.
inline constexpr const char* ExternalDoseAge = "Adult";

// The table a dose kind's coefficients are read from.
std::string DoseTableName(const TableKind& kind);

// The external dose tables of the selection's nuclides (every nuclide when it names none),
// in the unit of the factor: each nuclide's record with the lowest ID, nuclide by nuclide
// in the table's order, a named nuclide without records as an empty table.
void ReadExternalDoseTables(Database& database, const TableKind& kind, double unitFactor,
                            const ScanSelection& selection, const TableSink& sink);

void ReportIngestionDoseCoefficients(const CoefficientTable& table, FlexGrid& grid);
void ReportInhalationDoseCoefficients(const CoefficientTable& table, FlexGrid& grid);
void ReportExternalDoseCoefficients(const CoefficientTable& table, FlexGrid& grid);

}  // namespace quorvel

#pragma once
// The three risk coefficient tables: the reader of their cells and the builders that lay
// one nuclide's table out into the grid.

#include <string>

#include "Coefficient.h"
#include "Database.h"
#include "FlexGrid.h"

namespace quorvel {

// The table a risk kind's coefficients are read from.
std::string RiskTableName(const TableKind& kind);

// The Mode value, and title word, of a geometry: "Soil Layer" for soil volume.
std::string ExternalRiskMode(ExternalGeometry geometry);

// The risk tables of the selection's nuclides (every nuclide when it names none, read a
// batch of nuclides at a time), in the unit of the factor, nuclide by nuclide in the
// table's order: sections of fifteen records in ID order, a named nuclide without records
// as an empty table.
void ReadRiskTables(Database& database, const TableKind& kind, double unitFactor, const ScanSelection& selection,
                    const TableSink& sink);

void ReportIngestionRiskCoefficients(const CoefficientTable& table, FlexGrid& grid);
void ReportInhalationRiskCoefficients(const CoefficientTable& table, FlexGrid& grid);
void ReportExternalRiskCoefficients(const CoefficientTable& table, FlexGrid& grid);

}  // namespace quorvel

#pragma once
// The ingestion and inhalation dose tables: one reader for both, and the layout they share:
// one value column per age group that has records, blocks of 32 rows stacked from row 0.

#include <string>

#include "AgeDependentDoseCoefs.h"
#include "Coefficient.h"
#include "Database.h"
#include "FlexGrid.h"
#include "StartUpReaders.h"

namespace quorvel {

inline constexpr int DoseBlockRows = 32;
// Rows above a block's first coefficient: the header block and the "Description" row.
inline constexpr int DoseBlockHeadRows = 5;

// The records of the block that starts with a record whose Nlet is given, when `remaining`
// records are left from it on. An Nlet below 1 is a DatabaseError.
int BlockRecordCount(const FieldValue& nlet, int remaining);

// The tables of the selection's nuclides (every nuclide when it names none) of an
// age-dependent dose table, in the unit of the factor, nuclide by nuclide in the table's
// order. The column keys are the age groups of the list; a column's blocks are its records
// in ID order, Nlet records a block. A damaged table is a DatabaseError.
void ReadAgeDependentDoseTables(Database& database, const TableKind& kind, const AgeGroups& ages, double unitFactor,
                                const ScanSelection& selection, const TableSink& sink);

// Lays a table out: the ingestion table alone shows the empty result when the nuclide has
// no record at all; both shape the grid with a value column per age group of the list.
void ReportAgeDependentDoseCoefficients(AgeDependentDoseCoefs& coefs, const CoefficientTable& table, FlexGrid& grid,
                                        bool emptyWithoutRecords);

}  // namespace quorvel

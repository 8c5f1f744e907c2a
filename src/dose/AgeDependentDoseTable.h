#pragma once
// The build shared by the ingestion and inhalation dose tables: one value column per age
// group that has records, blocks of 32 rows stacked from row 0.

#include <string>

#include "AgeDependentDoseCoefs.h"
#include "Database.h"
#include "FlexGrid.h"
#include "StartUpReaders.h"

namespace quorvel {

struct AgeDependentDoseTable {
    std::string TableName;
    // The ingestion table looks for any record of the nuclide before shaping the grid.
    bool LooksForNuclideFirst;
};

inline constexpr int DoseBlockRows = 32;
// Rows above a block's first coefficient: the header block and the "Description" row.
inline constexpr int DoseBlockHeadRows = 5;

// The records of the block that starts with a record whose Nlet is given, when `remaining`
// records are left from it on. An Nlet below 1 is a DatabaseError.
int BlockRecordCount(const FieldValue& nlet, int remaining);

void ReportAgeDependentDoseCoefficients(const AgeDependentDoseTable& table, AgeDependentDoseCoefs& coefs,
                                        const std::string& nuclide, Database& database, FlexGrid& grid,
                                        double unitFactor, const std::string& unitLabel, const AgeGroups& ages,
                                        int descriptorColumns);

}  // namespace quorvel

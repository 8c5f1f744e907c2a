#pragma once
// The shipped coefficient database DoseAndRisk.mdb, assembled from the published tables in a
// sources directory (fgr12/, fgr13pak/, fgr13-organ/, icrp72-effective/,
// icrp68-workers/, nuclides/).
#include <filesystem>
#include <vector>

#include "QualityReport.h"
#include "Table.h"

namespace quorvel::data {

struct ShippedDatabase {
    std::vector<Table> Tables;  // in the order they are written
    QualityReport Report;       // rejected values, notes and the record count of every table
};

ShippedDatabase AssembleShippedDatabase(const std::filesystem::path& sourcesDirectory);

// Assembles and writes the database; returns the report.
QualityReport BuildShippedDatabase(const std::filesystem::path& sourcesDirectory,
                                   const std::filesystem::path& databaseFile);

}  // namespace quorvel::data

#pragma once
// The shipped coefficient database DoseAndRisk.mdb, assembled from the published tables in a
// sources directory (fgr12/, fgr13pak/, fgr13-organ/, icrp72-effective/,
// nuclides/).
#include "quality_report.hpp"
#include "table.hpp"

#include <filesystem>
#include <vector>

namespace quorvel::data {

struct ShippedDatabase {
    std::vector<Table> tables;  // in the order they are written
    QualityReport report;       // rejected values, notes and the record count of every table
};

ShippedDatabase assembleShippedDatabase(const std::filesystem::path& sourcesDirectory);

// Assembles and writes the database; returns the report.
QualityReport buildShippedDatabase(const std::filesystem::path& sourcesDirectory,
                                   const std::filesystem::path& databaseFile);

}  // namespace quorvel::data

#pragma once
// FGR-12 tables of external dose rate coefficients: three header records, then per nuclide
// Format(A7,25E9.2), records padded with 0xFF bytes.
#include "quality_report.hpp"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quorvel::data {

inline constexpr int fgr12ColumnCount = 25;

struct Fgr12Row {
    int line = 0;
    std::string nuclide;
    std::array<std::optional<double>, fgr12ColumnCount> values;  // in file column order
};

struct Fgr12Table {
    std::string title;                       // first header record
    std::vector<std::string> columnLabels;   // third header record, after "Nuclide"
    std::vector<Fgr12Row> rows;
};

// displayName is the file's name as the report shows it.
Fgr12Table parseFgr12File(const std::filesystem::path& file, const std::string& displayName,
                          QualityReport& report);

}  // namespace quorvel::data

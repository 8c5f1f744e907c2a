#pragma once
// FGR-12 tables of external dose rate coefficients: three header records, then per nuclide
// Format(A7,25E9.2), records padded with 0xFF bytes.
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "QualityReport.h"

namespace quorvel::data {

inline constexpr int Fgr12ColumnCount = 25;

struct Fgr12Row {
    int Line = 0;
    std::string Nuclide;
    std::array<std::optional<double>, Fgr12ColumnCount> Values;  // in file column order
};

struct Fgr12Table {
    std::string Title;                      // first header record
    std::vector<std::string> ColumnLabels;  // third header record, after "Nuclide"
    std::vector<Fgr12Row> Rows;
};

// displayName is the file's name as the report shows it.
Fgr12Table ParseFgr12File(const std::filesystem::path& file, const std::string& displayName, QualityReport& report);

}  // namespace quorvel::data

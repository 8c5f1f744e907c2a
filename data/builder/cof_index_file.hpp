#pragma once
// FGR13COF.NDX, the index of the FGR-12 and FGR-13 computations: per nuclide its half-life
// (fixed width, e.g. "Cs-137    30.0y"), decay modes and daughters.
#include "half_life.hpp"
#include "quality_report.hpp"

#include <filesystem>
#include <map>
#include <string>

namespace quorvel::data {

struct CofIndexEntry {
    int line = 0;
    HalfLife halfLife;
};

std::map<std::string, CofIndexEntry> parseCofIndexFile(const std::filesystem::path& file,
                                                       const std::string& displayName, QualityReport& report);

}  // namespace quorvel::data

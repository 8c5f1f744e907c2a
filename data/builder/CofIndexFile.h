#pragma once
// FGR13COF.NDX, the index of the FGR-12 and FGR-13 computations: per nuclide its half-life
// (fixed width, e.g. "Cs-137    30.0y"), decay modes and up to three radioactive daughters,
// each named by its record number (the line it stands on) with its branching fraction.
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "QualityReport.h"
#include "SourceHalfLife.h"

namespace quorvel::data {

struct CofDaughter {
    int Record = 0;  // the daughter's line in the file
    double Fraction = 0;
};

struct CofIndexEntry {
    int Line = 0;
    data::HalfLife HalfLife;
    std::vector<CofDaughter> Daughters;  // spontaneous fission (record 999) is no daughter
};

std::map<std::string, CofIndexEntry> ParseCofIndexFile(const std::filesystem::path& file,
                                                       const std::string& displayName, QualityReport& report);

}  // namespace quorvel::data

#pragma once
// ICRP-107 decay data (radionuclides_halflife_complete.csv): Z, element, nuclide, half-life, ...,
// daughter products; the build takes the half-lives from it and checks the daughters of the
// FGR-12/13 index against it
#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "QualityReport.h"
#include "SourceHalfLife.h"

namespace quorvel::data {

struct DecayDataEntry {
    int Line = 0;
    std::optional<data::HalfLife> HalfLife;
    std::map<std::string, double> Daughters;  // ICRP spelling -> branching fraction, stable ones too
};

std::map<std::string, DecayDataEntry> ParseDecayDataCsv(const std::filesystem::path& file,
                                                        const std::string& displayName, QualityReport& report);

}  // namespace quorvel::data

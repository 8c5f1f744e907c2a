#pragma once
// ICRP-107 decay data (radionuclides_halflife_complete.csv): Z, element, nuclide, half-life, ...,
// daughter products; the build takes the half-lives from it and checks the daughters of the
// FGR-12/13 index against it
#include "half_life.hpp"
#include "quality_report.hpp"

#include <filesystem>
#include <map>
#include <optional>
#include <string>

namespace quorvel::data {

struct DecayDataEntry {
    int line = 0;
    std::optional<HalfLife> halfLife;
    std::map<std::string, double> daughters;  // ICRP spelling -> branching fraction, stable ones too
};

std::map<std::string, DecayDataEntry> parseDecayDataCsv(const std::filesystem::path& file,
                                                        const std::string& displayName, QualityReport& report);

}  // namespace quorvel::data

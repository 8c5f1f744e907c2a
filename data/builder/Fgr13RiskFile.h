#pragma once
// FGR13ING.RBS of the FGR-13 data package: ingestion cancer risk per Bq by cancer site. Per
// nuclide form, a run of 15 lines per intake ("D Water", then "Dietary"); the first line of a
// run is Format(a7,1x,a7,e8.0,1x,a9,10e9.0), the others (24x,a9,10e9.0). Ten values: mortality
// for intake at ages 0-5, 5-15, 15-25, 25-70 and 0-110 y, then morbidity for the same ages.
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "QualityReport.h"

namespace quorvel::data {

inline constexpr int RiskValueCount = 10;
inline constexpr int RiskSiteCount = 15;

struct RiskSiteLine {
    int Line = 0;
    std::string Site;  // as written: "esophagus" ... "residual", "Total"
    std::array<std::optional<double>, RiskValueCount> Values;
};

struct RiskRun {
    std::string Intake;  // as written: "D Water" or "Dietary"
    std::vector<RiskSiteLine> Sites;
};

struct RiskForm {
    std::string Nuclide;
    std::optional<double> F1;
    std::vector<RiskRun> Runs;  // in file order
};

struct Fgr13RiskFile {
    std::vector<RiskForm> Forms;  // in file order
};

// A form is a run of each intake for one nuclide and f1; a run whose intake the form already
// has starts the next form.
Fgr13RiskFile ParseFgr13RiskFile(const std::filesystem::path& file, const std::string& displayName,
                                 QualityReport& report);

}  // namespace quorvel::data

#pragma once
// FGR-13 committed equivalent doses by organ (FGR13ING.DAT, FGR13INH.DAT): one line per
// nuclide, form and age; for alpha emitters a continuation line ending in '$' holds the
// high-LET absorbed doses (Gy/Bq) of the same 33 organs.
#include "quality_report.hpp"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quorvel::data {

inline constexpr int fgr13OrganCount = 33;

enum class IntakeRoute { Ingestion, Inhalation };

using OrganValues = std::array<std::optional<double>, fgr13OrganCount>;

struct Fgr13OrganLine {
    int line = 0;
    std::string nuclide;
    int ageDays = 0;            // adult lines written as 9125 are read as 7300
    std::string amad;           // inhalation only, as written (".00", "1.00")
    std::string absorptionClass;// inhalation only: F, M, S, V, G, D
    std::string flag;           // inhalation only, the column after the class
    std::optional<double> f1;
    OrganValues organs;         // in file column order, low-LET part for alpha emitters
    std::optional<double> remainder;   // h_Rem
    std::optional<double> effective;   // e_50
    std::string modelFile;      // biokinetic data file; not named by the data package's file
    std::string letType = "L";  // "H" for an emitter whose whole dose is high-LET (one line, Gy/Bq)
    std::optional<OrganValues> highLet;  // continuation line, Gy/Bq
    int highLetLine = 0;
};

struct Fgr13OrganFile {
    std::vector<std::string> organLabels;  // the 33 organ headings of the file
    std::vector<Fgr13OrganLine> lines;
};

Fgr13OrganFile parseFgr13OrganFile(const std::filesystem::path& file, const std::string& displayName,
                                   IntakeRoute route, QualityReport& report);

}  // namespace quorvel::data

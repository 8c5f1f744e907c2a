#pragma once
// FGR-13 committed equivalent doses by organ (FGR13ING.DAT, FGR13INH.DAT): one line per
// nuclide, form and age; for alpha emitters a continuation line ending in '$' holds the
// high-LET absorbed doses (Gy/Bq) of the same 33 organs.
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "QualityReport.h"

namespace quorvel::data {

inline constexpr int Fgr13OrganCount = 33;

enum class IntakeRoute { Ingestion, Inhalation };

using OrganValues = std::array<std::optional<double>, Fgr13OrganCount>;

struct Fgr13OrganLine {
    int Line = 0;
    std::string Nuclide;
    int AgeDays = 0;              // adult lines written as 9125 are read as 7300
    std::string Amad;             // inhalation only, as written (".00", "1.00")
    std::string AbsorptionClass;  // inhalation only: F, M, S, V, G, D
    std::string Flag;             // inhalation only, the column after the class
    std::optional<double> F1;
    OrganValues Organs;                  // in file column order, low-LET part for alpha emitters
    std::optional<double> Remainder;     // h_Rem
    std::optional<double> Effective;     // e_50
    std::string ModelFile;               // biokinetic data file; not named by the data package's file
    std::string LetType = "L";           // "H" for an emitter whose whole dose is high-LET (one line, Gy/Bq)
    std::optional<OrganValues> HighLet;  // continuation line, Gy/Bq
    int HighLetLine = 0;
};

struct Fgr13OrganFile {
    std::vector<std::string> OrganLabels;  // the 33 organ headings of the file
    std::vector<Fgr13OrganLine> Lines;
};

Fgr13OrganFile ParseFgr13OrganFile(const std::filesystem::path& file, const std::string& displayName, IntakeRoute route,
                                   QualityReport& report);

}  // namespace quorvel::data

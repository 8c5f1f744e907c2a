#pragma once
// ICRP-72 effective dose coefficients for members of the public (CSV transcriptions of
// ICRP-119 Annexes F, G and H): one row per nuclide and form, six age groups.
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "QualityReport.h"
#include "SourceHalfLife.h"

namespace quorvel::data {

inline constexpr int IcrpAgeGroupCount = 6;  // 3 months, 1, 5, 10, 15 years, adult

struct EffectiveDoseRow {
    std::string File;
    int Line = 0;
    std::string WrittenName;     // as written, or taken from the row above for a further form
    std::string FormNote;        // a form the row states apart from its name ("organic", "CH3I")
    std::string AbsorptionType;  // inhalation: F, M, S or V
    std::optional<data::HalfLife> HalfLife;
    std::optional<double> F1Infant;                             // f1 for the 3-month-old
    std::optional<double> F1Older;                              // f1 from 1 year on
    std::array<std::optional<double>, IcrpAgeGroupCount> Dose;  // Sv/Bq
};

// Annex F, ingestion: no header; nuclide, half-life, f1, e(3 months), f1, e(1 y) .. e(adult).
std::vector<EffectiveDoseRow> ParseIcrpIngestionCsv(const std::filesystem::path& file, const std::string& displayName,
                                                    QualityReport& report);

// Annex G, inhalation of particulates: nuclide, half-life, type, then as for ingestion;
// element names alone on a line are section headings.
std::vector<EffectiveDoseRow> ParseIcrpInhalationCsv(const std::filesystem::path& file, const std::string& displayName,
                                                     QualityReport& report);

// Annex H, soluble or reactive gases and vapours: index, nuclide, half-life, type, the values,
// chemical form.
std::vector<EffectiveDoseRow> ParseIcrpGasCsv(const std::filesystem::path& file, const std::string& displayName,
                                              QualityReport& report);

}  // namespace quorvel::data

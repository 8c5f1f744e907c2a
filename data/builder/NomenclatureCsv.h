#pragma once
// formatted_nuclide_nomenclature.csv: how the data sets spell the same nuclide (isomers with
// two half-lives are Eu-150a/Eu-150b in FGR-12, Eu-150/Eu-150m in ICRP-107).
#include <filesystem>
#include <map>
#include <string>

namespace quorvel::data {

// FGR-12 spelling -> ICRP-107 spelling (empty when ICRP-107 lacks the nuclide), for the
// nuclides the file lists.
std::map<std::string, std::string> ParseNomenclatureCsv(const std::filesystem::path& file);

}  // namespace quorvel::data

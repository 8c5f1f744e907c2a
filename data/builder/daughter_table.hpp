#pragma once
// "Daughters": the radioactive daughters of every nuclide of the FGR-12/13 index with their
// branching fractions and half-lives, from which the viewer follows decay chains. The
// daughters are checked against ICRP-107's decay data; disagreements go into the report.
#include "cof_index_file.hpp"
#include "decay_data_csv.hpp"
#include "quality_report.hpp"
#include "table.hpp"

#include <map>
#include <string>

namespace quorvel::data {

// Nuclide, "Half-life (s)", Daughter, "Branching Fraction", "Daughter T1/2",
// "Daughter Half-life (s)", ID, Source; one record per daughter, parents in index order.
Table daughterTable(const std::map<std::string, CofIndexEntry>& index, const std::string& indexFile,
                    const std::map<std::string, DecayDataEntry>& decayData,
                    const std::map<std::string, std::string>& fgrToIcrp107, QualityReport& report);

}  // namespace quorvel::data

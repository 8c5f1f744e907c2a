#pragma once
// "Daughters": the radioactive daughters of every nuclide of the FGR-12/13 index with their
// branching fractions and half-lives, from which the viewer follows decay chains. The
// daughters are checked against ICRP-107's decay data; disagreements go into the report.
#include <map>
#include <string>

#include "CofIndexFile.h"
#include "DecayDataCsv.h"
#include "QualityReport.h"
#include "Table.h"

namespace quorvel::data {

// Nuclide, "Half-life (s)", Daughter, "Branching Fraction", "Daughter T1/2",
// "Daughter Half-life (s)", ID, Source; one record per daughter, parents in index order.
Table DaughterTable(const std::map<std::string, CofIndexEntry>& index, const std::string& indexFile,
                    const std::map<std::string, DecayDataEntry>& decayData,
                    const std::map<std::string, std::string>& fgrToIcrp107, QualityReport& report);

}  // namespace quorvel::data

#pragma once
// The workers' coefficient tables (ICRP-68), beside the public ones and read by field name:
// Icrp68Ingestion, Icrp68Inhalation, Icrp68Gases. Each record names its source line; `ID`
// is source order; nuclides are spelt as the nuclide list spells them.
#include <string>
#include <vector>

#include "NuclideCatalogue.h"
#include "NuclideNames.h"
#include "QualityReport.h"
#include "Table.h"
#include "WorkerAnnexFiles.h"

namespace quorvel::data {

struct WorkerSources {
    std::string AnnexAFile;  // paths relative to the sources directory
    std::vector<WorkerAnnexARow> AnnexA;
    std::string AnnexBFile;
    std::vector<WorkerGasRow> AnnexB;
};

// The three tables in the order above. A row whose nuclide the nuclide list lacks is left out
// and noted: the list stays as the public tables have it.
std::vector<Table> WorkerTables(const WorkerSources& sources, const NuclideNamer& namer,
                                const NuclideCatalogue& catalogue, QualityReport& report);

}  // namespace quorvel::data

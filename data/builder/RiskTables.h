#pragma once
// FGR13INGRBS, FGR13INHRBS, FGR13extRBS: the fields the risk views read by position, then
// `Source`. Only ingestion has records (FGR13ING.RBS); no open machine-readable source of the
// inhalation and external risk coefficients of FGR-13 is at hand.
#include <map>
#include <string>
#include <vector>

#include "Fgr13RiskFile.h"
#include "InternalDoses.h"
#include "QualityReport.h"
#include "Table.h"

namespace quorvel::data {

// Nuclide, Intake, Form, f_1, ID, then 11 displayed fields, Source. Per form of the file, in
// file order, 30 records: the tap-water run of 15 sites, then the food run. `formNames` holds
// the chemical form of each form of a nuclide with several, where it is known (else empty);
// `ingestionDoses` are checked to list the same forms with the same adult f1.
Table IngestionRiskTable(const Fgr13RiskFile& file, const std::string& displayName,
                         const std::map<std::string, std::vector<std::string>>& formNames,
                         const InternalDoses& ingestionDoses, QualityReport& report);
Table InhalationRiskTable();  // Nuclide, Form, f_1, ID, then 11 displayed fields, Source
Table ExternalRiskTable();    // Nuclide, Mode, ID, then 11 displayed fields, Source

}  // namespace quorvel::data

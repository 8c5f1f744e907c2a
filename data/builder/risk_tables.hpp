#pragma once
// FGR13INGRBS, FGR13INHRBS, FGR13extRBS: the fields the risk views read, and no records, as no
// open machine-readable source of FGR-13 risk coefficients is at hand.
#include "table.hpp"

namespace quorvel::data {

Table ingestionRiskTable();   // Nuclide, Intake, Form, f_1, ID, then 11 displayed fields
Table inhalationRiskTable();  // Nuclide, Form, f_1, ID, then 11 displayed fields
Table externalRiskTable();    // Nuclide, Mode, ID, then 11 displayed fields

}  // namespace quorvel::data

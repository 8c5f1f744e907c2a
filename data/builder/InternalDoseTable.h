#pragma once
// Fgr13ingGDB and Fgr13inhHDB. The viewer reads fields by position: 0 Nuclide, 1 header text,
// 2 form, 3 Age, 4 f1, 5 Nlet, 6 LET type, 7..39 organs and effective dose, 40 ID; the further
// source columns follow.
#include <string>

#include "Fgr13OrganFile.h"
#include "InternalDoses.h"
#include "NuclideCatalogue.h"
#include "Table.h"

namespace quorvel::data {

// Blocks go in catalogue order, then form, then age, so that within every age the forms of a
// nuclide come in the same ID order.
Table InternalDoseTable(const std::string& tableName, const InternalDoses& doses, const NuclideCatalogue& catalogue,
                        const std::vector<std::string>& organLabels, IntakeRoute route);

}  // namespace quorvel::data

#pragma once
// Names for the forms of a nuclide that the FGR-13 organ set holds more than once with one
// absorption type (ingestion: H-3 water and organically bound, three mercury forms; inhalation:
// two iodine vapours), so that no two blocks of a table read the same.
#include <map>
#include <string>
#include <vector>

#include "IcrpEffectiveDose.h"
#include "InternalDoses.h"
#include "NuclideNames.h"

namespace quorvel::data {

// Each such form gets a label in front of its subtitle: the chemical form as ICRP-72 names it
// where ICRP-72 lists as many forms of that nuclide and type, in the same order, with the same f1
// at every age and effective doses nearest those of the form in the same place; else "form k of n". Returns, per
// nuclide with such forms, the ICRP-72 name of each form (empty where the form stays unnamed).
std::map<std::string, std::vector<std::string>> NameRepeatedForms(InternalDoses& organForms,
                                                                  const std::vector<EffectiveDoseRow>& icrpRows,
                                                                  const NuclideNamer& namer);

}  // namespace quorvel::data

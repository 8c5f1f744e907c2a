#pragma once
// Internal dose coefficients gathered per nuclide, form and age: the FGR-13 organ doses for
// their nuclides, ICRP-72 effective doses for every other nuclide.
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "Fgr13OrganFile.h"
#include "IcrpEffectiveDose.h"
#include "NuclideNames.h"
#include "QualityReport.h"

namespace quorvel::data {

struct DoseRecord {
    std::optional<double> F1;
    std::string LetType;  // "L", or "H" for the high-LET part of an alpha emitter
    OrganValues Organs;   // in the column order of the FGR-13 organ files
    std::optional<double> Remainder;
    std::optional<double> Effective;
    std::string Source;  // "file:line", the file relative to the sources directory
};

struct DoseForm {
    std::string Subtitle;  // the form: f1, absorption type, AMAD, where the values come from
    std::string AbsorptionType;
    std::string Amad;
    std::string Model;                              // biokinetic data file of FGR-13
    std::map<int, std::vector<DoseRecord>> Blocks;  // age in days -> the records of one block
};

// Nuclide -> its forms in source order.
using InternalDoses = std::map<std::string, std::vector<DoseForm>>;

// The k-th line of a nuclide at an age is its k-th form (the files list form after form, age
// after age), so that every age lists the forms in the same order.
InternalDoses OrganDoseForms(const Fgr13OrganFile& file, const std::string& displayName, QualityReport& report);

// Each row one form with one-record blocks holding f1 and the effective dose. Nuclides in
// `covered` (those with organ doses) are left out, unless addTypesTheOrganSetLacks and the row's
// absorption type is none of the nuclide's organ-dose forms: then it follows them. `kind` names
// the table in the subtitle.
void AddEffectiveDoseForms(InternalDoses& doses, const std::vector<EffectiveDoseRow>& rows, const NuclideNamer& namer,
                           const std::set<std::string>& covered, IntakeRoute route, const std::string& kind,
                           bool addTypesTheOrganSetLacks, QualityReport& report);

}  // namespace quorvel::data

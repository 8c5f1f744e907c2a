#pragma once
// Internal dose coefficients gathered per nuclide, form and age: the FGR-13 organ doses for
// their nuclides, ICRP-72 effective doses for every other nuclide.
#include "fgr13_organ_file.hpp"
#include "icrp_effective_dose.hpp"
#include "nuclide_names.hpp"
#include "quality_report.hpp"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace quorvel::data {

struct DoseRecord {
    std::optional<double> f1;
    std::string letType;        // "L", or "H" for the high-LET part of an alpha emitter
    OrganValues organs;         // in the column order of the FGR-13 organ files
    std::optional<double> remainder;
    std::optional<double> effective;
    std::string source;         // "file:line", the file relative to the sources directory
};

struct DoseForm {
    std::string subtitle;         // the form: f1, absorption type, AMAD, where the values come from
    std::string absorptionType;
    std::string amad;
    std::string model;            // biokinetic data file of FGR-13
    std::map<int, std::vector<DoseRecord>> blocks;  // age in days -> the records of one block
};

// Nuclide -> its forms in source order.
using InternalDoses = std::map<std::string, std::vector<DoseForm>>;

// The k-th line of a nuclide at an age is its k-th form (the files list form after form, age
// after age), so that every age lists the forms in the same order.
InternalDoses organDoseForms(const Fgr13OrganFile& file, const std::string& displayName,
                             QualityReport& report);

// Each row one form with one-record blocks holding f1 and the effective dose. Nuclides in
// `covered` (those with organ doses) are left out, unless addTypesTheOrganSetLacks and the row's
// absorption type is none of the nuclide's organ-dose forms: then it follows them. `kind` names
// the table in the subtitle.
void addEffectiveDoseForms(InternalDoses& doses, const std::vector<EffectiveDoseRow>& rows,
                           const NuclideNamer& namer, const std::set<std::string>& covered,
                           IntakeRoute route, const std::string& kind, bool addTypesTheOrganSetLacks,
                           QualityReport& report);

}  // namespace quorvel::data

#pragma once
// One spelling per nuclide for every table: the spelling of FGR-12 and FGR-13 (FGR13COF.NDX),
// whatever the ICRP transcriptions write (chemical forms in the name, "Eu-150m" for FGR's
// "Eu-150a", non-ASCII hyphens and primes).
#include <map>
#include <optional>
#include <string>

#include "CofIndexFile.h"
#include "DecayDataCsv.h"
#include "SourceHalfLife.h"

namespace quorvel::data {

// Symbol, mass number and isomer letter of a canonical name ("Eu-150a" -> Eu, 150, "a").
struct NuclideKey {
    std::string Symbol;
    int MassNumber = 0;
    std::string Isomer;
};
std::optional<NuclideKey> ParseNuclideKey(const std::string& name);

// A name as an ICRP table writes it, taken apart into the nuclide and the chemical form.
struct WrittenName {
    std::string Nuclide;  // "Hg-193m"
    std::string Form;     // "organic", "inorganic", "HTO", "OBT" or empty
};
std::optional<WrittenName> SplitWrittenName(const std::string& written);

struct ResolvedName {
    std::string Nuclide;  // canonical spelling
    std::string Form;
    std::string Remark;  // why the match is doubtful, for the report; empty when sound
};

class NuclideNamer {
public:
    NuclideNamer(const std::map<std::string, CofIndexEntry>& index,
                 const std::map<std::string, DecayDataEntry>& decayData);

    // The canonical nuclide of a written name with the half-life written beside it: among the
    // states of that element and mass number the one whose half-life is nearest.
    std::optional<ResolvedName> Resolve(const std::string& written, const std::optional<HalfLife>& halfLife) const;

private:
    const std::map<std::string, CofIndexEntry>& index_;
    const std::map<std::string, DecayDataEntry>& decayData_;
};

}  // namespace quorvel::data

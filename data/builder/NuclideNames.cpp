#include "NuclideNames.h"

#include <limits>
#include <regex>

namespace quorvel::data {

namespace {

// Hyphens and minus signs that the transcriptions use in place of '-'.
const char* const Dashes[] = {"\u2010", "\u2011", "\u2012", "\u2013", "\u2212"};
// Primes that mark "the other isomer" (e.g. "Tb-156m'"); the half-life decides which one.
const char* const Primes[] = {"\u02b9", "\u2032", "'"};

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

std::string FormName(const std::string& suffix) {
    if (suffix == "org") return "organic";
    if (suffix == "inorg") return "inorganic";
    return suffix;
}

// The nearest state of the same element and mass number, if its half-life agrees.
template <typename Entries, typename HalfLifeOf>
std::optional<std::string> NearestState(const Entries& entries, const NuclideKey& key, double seconds,
                                        HalfLifeOf halfLifeOf) {
    std::optional<std::string> best;
    double bestDistance = std::numeric_limits<double>::infinity();
    for (const auto& [name, entry] : entries) {
        const auto candidate = ParseNuclideKey(name);
        const auto candidateSeconds = halfLifeOf(entry);
        if (!candidate || !candidateSeconds || candidate->Symbol != key.Symbol ||
            candidate->MassNumber != key.MassNumber || !SameHalfLife(*candidateSeconds, seconds))
            continue;
        const double distance = HalfLifeDistance(*candidateSeconds, seconds);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = name;
        }
    }
    return best;
}

}  // namespace

std::optional<NuclideKey> ParseNuclideKey(const std::string& name) {
    static const std::regex pattern(R"(([A-Z][a-z]?)-(\d{1,3})([a-z]?))");
    std::smatch match;
    if (!std::regex_match(name, match, pattern)) return std::nullopt;
    return NuclideKey{match[1].str(), std::stoi(match[2].str()), match[3].str()};
}

std::optional<WrittenName> SplitWrittenName(const std::string& written) {
    if (written == "HTO" || written == "OBT")  // tritiated water, organically bound tritium
        return WrittenName{"H-3", written};
    std::string text = written;
    for (const char* dash : Dashes) text = ReplaceAll(text, dash, "-");
    for (const char* prime : Primes) text = ReplaceAll(text, prime, "");
    static const std::regex pattern(R"(([A-Z][a-z]?-\d{1,3}[a-z]?)(?:[-_ ](\w+))?)");
    std::smatch match;
    if (!std::regex_match(text, match, pattern)) return std::nullopt;
    return WrittenName{match[1].str(), FormName(match[2].str())};
}

NuclideNamer::NuclideNamer(const std::map<std::string, CofIndexEntry>& index,
                           const std::map<std::string, DecayDataEntry>& decayData)
    : index_(index), decayData_(decayData) {}

std::optional<ResolvedName> NuclideNamer::Resolve(const std::string& written,
                                                  const std::optional<HalfLife>& halfLife) const {
    const auto name = SplitWrittenName(written);
    if (!name) return std::nullopt;
    const auto key = ParseNuclideKey(name->Nuclide);
    if (!key) return std::nullopt;
    ResolvedName result{name->Nuclide, name->Form, {}};
    if (halfLife) {
        const auto indexHalfLife = [](const CofIndexEntry& e) { return std::optional<double>(e.HalfLife.Seconds); };
        const auto decayHalfLife = [](const DecayDataEntry& e) {
            return e.HalfLife ? std::optional<double>(e.HalfLife->Seconds) : std::nullopt;
        };
        if (auto state = NearestState(index_, *key, halfLife->Seconds, indexHalfLife)) {
            result.Nuclide = *state;
            return result;
        }
        if (!index_.contains(name->Nuclide)) {
            if (auto state = NearestState(decayData_, *key, halfLife->Seconds, decayHalfLife)) {
                result.Nuclide = *state;
                return result;
            }
        }
        result.Remark = "half-life " + halfLife->Text() + " matches no state of " + name->Nuclide +
                        " in the decay data; taken as " + name->Nuclide + " by its name";
    }
    return result;
}

}  // namespace quorvel::data

#include "nuclide_names.hpp"

#include <limits>
#include <regex>

namespace quorvel::data {

namespace {

// Hyphens and minus signs that the transcriptions use in place of '-'.
const char* const dashes[] = {"\u2010", "\u2011", "\u2012", "\u2013", "\u2212"};
// Primes that mark "the other isomer" (e.g. "Tb-156m'"); the half-life decides which one.
const char* const primes[] = {"\u02b9", "\u2032", "'"};

std::string replaceAll(std::string text, const std::string& from, const std::string& to)
{
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

std::string formName(const std::string& suffix)
{
    if (suffix == "org")
        return "organic";
    if (suffix == "inorg")
        return "inorganic";
    return suffix;
}

// The nearest state of the same element and mass number, if its half-life agrees.
template <typename Entries, typename HalfLifeOf>
std::optional<std::string> nearestState(const Entries& entries, const NuclideKey& key, double seconds,
                                        HalfLifeOf halfLifeOf)
{
    std::optional<std::string> best;
    double bestDistance = std::numeric_limits<double>::infinity();
    for (const auto& [name, entry] : entries) {
        const auto candidate = parseNuclideKey(name);
        const auto candidateSeconds = halfLifeOf(entry);
        if (!candidate || !candidateSeconds || candidate->symbol != key.symbol ||
            candidate->massNumber != key.massNumber || !sameHalfLife(*candidateSeconds, seconds))
            continue;
        const double distance = halfLifeDistance(*candidateSeconds, seconds);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = name;
        }
    }
    return best;
}

}  // namespace

std::optional<NuclideKey> parseNuclideKey(const std::string& name)
{
    static const std::regex pattern(R"(([A-Z][a-z]?)-(\d{1,3})([a-z]?))");
    std::smatch match;
    if (!std::regex_match(name, match, pattern))
        return std::nullopt;
    return NuclideKey{match[1].str(), std::stoi(match[2].str()), match[3].str()};
}

std::optional<WrittenName> splitWrittenName(const std::string& written)
{
    if (written == "HTO" || written == "OBT")  // tritiated water, organically bound tritium
        return WrittenName{"H-3", written};
    std::string text = written;
    for (const char* dash : dashes)
        text = replaceAll(text, dash, "-");
    for (const char* prime : primes)
        text = replaceAll(text, prime, "");
    static const std::regex pattern(R"(([A-Z][a-z]?-\d{1,3}[a-z]?)(?:[-_ ](\w+))?)");
    std::smatch match;
    if (!std::regex_match(text, match, pattern))
        return std::nullopt;
    return WrittenName{match[1].str(), formName(match[2].str())};
}

NuclideNamer::NuclideNamer(const std::map<std::string, CofIndexEntry>& index,
                           const std::map<std::string, DecayDataEntry>& decayData)
    : index_(index), decayData_(decayData)
{
}

std::optional<ResolvedName> NuclideNamer::resolve(const std::string& written,
                                                  const std::optional<HalfLife>& halfLife) const
{
    const auto name = splitWrittenName(written);
    if (!name)
        return std::nullopt;
    const auto key = parseNuclideKey(name->nuclide);
    if (!key)
        return std::nullopt;
    ResolvedName result{name->nuclide, name->form, {}};
    if (halfLife) {
        const auto indexHalfLife = [](const CofIndexEntry& e) { return std::optional<double>(e.halfLife.seconds); };
        const auto decayHalfLife = [](const DecayDataEntry& e) {
            return e.halfLife ? std::optional<double>(e.halfLife->seconds) : std::nullopt;
        };
        if (auto state = nearestState(index_, *key, halfLife->seconds, indexHalfLife)) {
            result.nuclide = *state;
            return result;
        }
        if (!index_.contains(name->nuclide)) {
            if (auto state = nearestState(decayData_, *key, halfLife->seconds, decayHalfLife)) {
                result.nuclide = *state;
                return result;
            }
        }
        result.remark = "half-life " + halfLife->text() + " matches no state of " + name->nuclide +
                        " in the decay data; taken as " + name->nuclide + " by its name";
    }
    return result;
}

}  // namespace quorvel::data

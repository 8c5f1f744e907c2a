#include "DecayChain.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <map>

#include "NumberText.h"

namespace quorvel {

namespace {

bool BelowCutoff(const std::optional<double>& halfLife, double cutoffSeconds) {
    return halfLife && *halfLife < cutoffSeconds;
}

}  // namespace

std::vector<ChainMember> FollowDecayChain(const DecayData& data, const std::string& root, double cutoffSeconds) {
    // The members, breadth first: the root and short-lived members are followed, a
    // long-lived member ends its branch.
    std::vector<ChainMember> members;
    std::map<std::string, std::size_t> positions;
    const auto followed = [&](const std::string& nuclide) {
        return nuclide == root || members[positions.at(nuclide)].ShortLived;
    };
    for (std::size_t next = 0; next <= members.size(); ++next) {
        const std::string parent = next == 0 ? root : members[next - 1].Nuclide;
        if (!followed(parent)) continue;
        const int depth = next == 0 ? 1 : members[next - 1].Depth + 1;
        for (const DecayLink& link : data.DaughtersOf(parent)) {
            if (link.Daughter == root || positions.contains(link.Daughter)) continue;
            positions[link.Daughter] = members.size();
            members.push_back({link.Daughter, parent, depth, link.Fraction, 0.0, link.HalfLifeText,
                               link.HalfLifeSeconds, BelowCutoff(link.HalfLifeSeconds, cutoffSeconds)});
        }
    }
    // Cumulative fractions summed over every path, parents before daughters: decay chains
    // are acyclic, so a member's share is complete once all its parents have passed it on.
    std::map<std::string, int> parentsLeft;
    for (std::size_t k = 0; k <= members.size(); ++k) {
        const std::string parent = k == 0 ? root : members[k - 1].Nuclide;
        if (!followed(parent)) continue;
        for (const DecayLink& link : data.DaughtersOf(parent))
            if (positions.contains(link.Daughter)) ++parentsLeft[link.Daughter];
    }
    std::map<std::string, double> share{{root, 1.0}};
    std::vector<std::string> ready{root};
    while (!ready.empty()) {
        const std::string parent = ready.back();
        ready.pop_back();
        if (parent != root) members[positions.at(parent)].CumulativeFraction = share[parent];
        if (!followed(parent)) continue;
        for (const DecayLink& link : data.DaughtersOf(parent)) {
            if (!positions.contains(link.Daughter)) continue;
            share[link.Daughter] += share[parent] * link.Fraction;
            if (--parentsLeft[link.Daughter] == 0) ready.push_back(link.Daughter);
        }
    }
    return members;
}

std::vector<ChainMember> ShortLivedProgeny(const DecayData& data, const std::string& root, double cutoffSeconds) {
    std::vector<ChainMember> members = FollowDecayChain(data, root, cutoffSeconds);
    std::erase_if(members, [](const ChainMember& member) { return !member.ShortLived; });
    return members;
}

std::optional<double> ReadDurationSeconds(const std::string& text) {
    static const std::pair<const char*, double> units[] = {{"s", 1.0},    {"min", 60.0},  {"m", 60.0},
                                                           {"h", 3600.0}, {"d", 86400.0}, {"y", 365.25 * 86400.0}};
    const std::string trimmed = TrimBlanks(text);
    std::size_t split = trimmed.size();
    while (split > 0 && std::isalpha(static_cast<unsigned char>(trimmed[split - 1]))) --split;
    const std::string unit = trimmed.substr(split);
    const auto value = ReadNumber(trimmed.substr(0, split));
    if (!value || *value < 0) return std::nullopt;
    for (const auto& [name, seconds] : units)
        if (unit == name && std::isfinite(*value * seconds)) return *value * seconds;
    return std::nullopt;
}

std::string FormatFraction(double fraction) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4g", fraction);
    return text;
}

const char* DurationUnitsHelp() {
    return "a number and a unit: s, min (or m), h, d or y (365.25 d), e.g. 180d or 0.5y";
}

}  // namespace quorvel

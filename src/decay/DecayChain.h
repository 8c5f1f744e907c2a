#pragma once
// A nuclide's decay chain: its members below it, each with the branching fraction from its
// parent and the cumulative fraction of the root's decays that reach it (summed over every
// path). The chain is followed through members shorter-lived than a cutoff; the first
// member at or above it ends its branch (a long-lived member), and so does a member without
// daughters (the next one is stable).

#include <optional>
#include <string>
#include <vector>

#include "DecayData.h"

namespace quorvel {

struct ChainMember {
    std::string Nuclide;
    std::string Parent;   // the parent it was first reached from
    int Depth = 0;        // 1 for a daughter of the root
    double Fraction = 0;  // branching fraction from Parent
    double CumulativeFraction = 0;
    std::string HalfLifeText;
    std::optional<double> HalfLifeSeconds;
    // Shorter-lived than the cutoff and reached only through such members: counted in "+D".
    bool ShortLived = false;
};

// Members in the order they are first reached (breadth first), the root left out.
std::vector<ChainMember> FollowDecayChain(const DecayData& data, const std::string& root, double cutoffSeconds);

// The members a "+D" value adds to its parent's: the short-lived ones.
std::vector<ChainMember> ShortLivedProgeny(const DecayData& data, const std::string& root, double cutoffSeconds);

// A branching fraction as the chain view, the +D labels and the tooltips write it ("0.946").
std::string FormatFraction(double fraction);

// Durations as the user writes them: a number and a unit ("180d", "0.5 y", "30 min").
// Units: s, min (or m), h, d, y (365.25 d). Anything else is no duration.
std::optional<double> ReadDurationSeconds(const std::string& text);
const char* DurationUnitsHelp();

// The cutoff the published "+D" tables use: decay products with half-lives under six months.
inline constexpr double DefaultProgenyCutoffSeconds = 180.0 * 86400.0;

}  // namespace quorvel

#pragma once
// An option that takes a duration with its unit ("180d", "0.5y") and stores seconds.

#include <CLI/CLI.hpp>
#include <string>

#include "DecayChain.h"

namespace quorvel {

inline CLI::Validator DurationValidator() {
    return CLI::Validator(
        [](std::string& text) {
            const auto seconds = ReadDurationSeconds(text);
            if (!seconds) return "\"" + text + "\" is not " + DurationUnitsHelp();
            text = std::to_string(*seconds);
            return std::string();
        },
        "DURATION");
}

// --with-progeny and --progeny-cutoff on a command.
inline void AddProgenyOptions(CLI::App& command, bool& withProgeny, double& cutoffSeconds) {
    command.add_flag("--with-progeny", withProgeny,
                     "+D: add the coefficients of the short-lived decay products, times their branching fractions");
    command
        .add_option("--progeny-cutoff", cutoffSeconds,
                    std::string("Half-life below which a decay product counts in +D: ") + DurationUnitsHelp() +
                        " (default 180d, the cutoff of the published +D tables)")
        ->transform(DurationValidator());
}

}  // namespace quorvel

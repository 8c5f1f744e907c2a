#pragma once
// What a person standing in a contaminated place for a time is exposed to: the
// concentration integrated over the time, held constant or decaying.

#include <optional>

namespace quorvel {

// C0 t for a concentration C0 held constant over t seconds; for a deposit that decays with
// the half-life T1/2 (seconds), C0 (1 - exp(-ln2 t / T1/2)) T1/2 / ln2. In the unit of C0
// times seconds.
double TimeIntegratedConcentration(double concentration, double seconds, std::optional<double> halfLifeSeconds);

}  // namespace quorvel

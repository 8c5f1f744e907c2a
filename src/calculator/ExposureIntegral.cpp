#include "ExposureIntegral.h"

#include <cmath>
#include <numbers>

namespace quorvel {

double TimeIntegratedConcentration(double concentration, double seconds, std::optional<double> halfLifeSeconds) {
    if (!halfLifeSeconds) return concentration * seconds;
    const double lambda = std::numbers::ln2 / *halfLifeSeconds;
    // expm1 keeps the figures of a deposit that hardly decays over the time (t << T1/2).
    return concentration * -std::expm1(-lambda * seconds) / lambda;
}

}  // namespace quorvel

// The distribution transforms, rounding to three significant figures and unique texts.

#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <unordered_set>

#include "TalvorLibrary.h"

namespace quorvel {

namespace {

// A number as decimal text with up to 15 significant digits, as the rounding reads it.
std::string DecimalText(double x) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.15g", x);
    return buffer;
}

}  // namespace

void clsTalvorLibrary::LogDistributionToNormalDistributionTransformation(double mean, double variance, double& logMean,
                                                                         double& logVariance) {
    const double ratio = 1 + variance / (mean * mean);
    logVariance = std::log(ratio);
    logMean = std::log(mean / std::sqrt(ratio));
}

void clsTalvorLibrary::NormalDistributionToLogDistributionTransformation(double& mean, double& variance, double logMean,
                                                                         double logVariance) {
    mean = std::exp(logMean + logVariance / 2);
    variance = std::exp(2 * logMean + logVariance) * (std::exp(logVariance) - 1);
}

void clsTalvorLibrary::Round(double& value) {
    const double magnitude = std::fabs(value);
    if (magnitude == 0 || !std::isfinite(magnitude)) return;
    // x = magnitude × 10^e with 1 <= x < 10; dividing for e < 0 keeps 456.7 at 4.567 exactly.
    int e = 0;
    auto scaled = [&] { return e >= 0 ? magnitude * std::pow(10.0, e) : magnitude / std::pow(10.0, -e); };
    while (scaled() < 1) ++e;
    while (scaled() >= 10) --e;
    double x = scaled();
    const std::string digits = DecimalText(x);
    if (digits.size() >= 5 && digits[4] >= '5') x += 0.01;
    const double r = std::stod(DecimalText(x).substr(0, 4));
    const double rounded = e >= 0 ? r / std::pow(10.0, e) : r * std::pow(10.0, -e);
    value = std::copysign(rounded, value);
}

std::vector<std::string> clsTalvorLibrary::AcceptAnArrayAndExtractSubsetOfUniqueElements(
    const std::vector<std::string>& source, std::size_t first, std::size_t last) {
    if (first > last || last >= source.size()) throw std::out_of_range("Subscript out of range");
    std::vector<std::string> unique;
    std::unordered_set<std::string> seen;
    for (std::size_t i = first; i <= last; ++i)
        if (seen.insert(source[i]).second) unique.push_back(source[i]);
    return unique;
}

}  // namespace quorvel

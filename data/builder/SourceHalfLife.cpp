#include "SourceHalfLife.h"

#include <cmath>
#include <map>
#include <regex>

#include "SourceLines.h"

namespace quorvel::data {

std::optional<HalfLife> ParseHalfLife(const std::string& written) {
    static const std::regex pattern(R"(((?:\d+\.?\d*|\.\d+)(?:[eE][+-]?\d+)?)\s*([a-z]+))");
    static const std::map<std::string, std::pair<std::string, double>> units = {
        {"us", {"us", 1e-6}},  {"ms", {"ms", 1e-3}},           {"s", {"s", 1.0}},
        {"m", {"m", 60.0}},    {"min", {"m", 60.0}},           {"h", {"h", 3600.0}},
        {"d", {"d", 86400.0}}, {"y", {"y", 365.25 * 86400.0}}, {"a", {"y", 365.25 * 86400.0}},
    };
    const std::string text = Trimmed(written);
    std::smatch match;
    if (!std::regex_match(text, match, pattern)) return std::nullopt;
    const auto unit = units.find(match[2].str());
    if (unit == units.end()) return std::nullopt;
    HalfLife result;
    result.Value = match[1].str();
    result.Unit = unit->second.first;
    result.Seconds = std::stod(result.Value) * unit->second.second;
    return result;
}

double HalfLifeDistance(double secondsA, double secondsB) { return std::fabs(std::log(secondsA / secondsB)); }

bool SameHalfLife(double secondsA, double secondsB) {
    return secondsA > 0 && secondsB > 0 && HalfLifeDistance(secondsA, secondsB) < std::log(1.5);
}

}  // namespace quorvel::data

#include "half_life.hpp"

#include "source_lines.hpp"

#include <cmath>
#include <map>
#include <regex>

namespace quorvel::data {

std::optional<HalfLife> parseHalfLife(const std::string& written)
{
    static const std::regex pattern(R"(((?:\d+\.?\d*|\.\d+)(?:[eE][+-]?\d+)?)\s*([a-z]+))");
    static const std::map<std::string, std::pair<std::string, double>> units = {
        {"us", {"us", 1e-6}}, {"ms", {"ms", 1e-3}}, {"s", {"s", 1.0}},
        {"m", {"m", 60.0}},   {"min", {"m", 60.0}}, {"h", {"h", 3600.0}},
        {"d", {"d", 86400.0}},{"y", {"y", 365.25 * 86400.0}}, {"a", {"y", 365.25 * 86400.0}},
    };
    const std::string text = trimmed(written);
    std::smatch match;
    if (!std::regex_match(text, match, pattern))
        return std::nullopt;
    const auto unit = units.find(match[2].str());
    if (unit == units.end())
        return std::nullopt;
    HalfLife result;
    result.value = match[1].str();
    result.unit = unit->second.first;
    result.seconds = std::stod(result.value) * unit->second.second;
    return result;
}

double halfLifeDistance(double secondsA, double secondsB)
{
    return std::fabs(std::log(secondsA / secondsB));
}

bool sameHalfLife(double secondsA, double secondsB)
{
    return secondsA > 0 && secondsB > 0 && halfLifeDistance(secondsA, secondsB) < std::log(1.5);
}

}  // namespace quorvel::data

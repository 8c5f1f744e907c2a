#include "HalfLife.h"

#include <cctype>
#include <string>

#include "CaseFolding.h"
#include "NumberText.h"

namespace quorvel {

namespace {

std::optional<double> SecondsPer(const std::string& unit) {
    if (unit.empty() || unit == "s") return 1.0;
    if (unit == "m" || unit == "min") return 60.0;
    if (unit == "h") return 3600.0;
    if (unit == "d") return 86400.0;
    if (unit == "y") return 365.25 * 86400.0;
    return std::nullopt;
}

}  // namespace

std::optional<double> HalfLifeSeconds(std::string_view text) {
    const std::string trimmed = TrimBlanks(text);
    std::size_t end = trimmed.size();
    while (end > 0 && std::isalpha(static_cast<unsigned char>(trimmed[end - 1]))) --end;
    const std::string unit = FoldCase(trimmed.substr(end));
    const auto number = ReadNumber(trimmed.substr(0, end));
    const auto factor = SecondsPer(unit);
    if (!number || !factor) return std::nullopt;
    return *number * *factor;
}

}  // namespace quorvel

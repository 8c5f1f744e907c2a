#include "SourceNumberText.h"

#include <charconv>
#include <cstdio>
#include <regex>

#include "SourceLines.h"

namespace quorvel::data {

namespace {

bool HasNonAscii(const std::string& text) {
    for (unsigned char c : text)
        if (c >= 0x80) return true;
    return false;
}

}  // namespace

ParsedNumber ParseNumber(const std::string& written, ExponentRule rule) {
    const std::string text = Trimmed(written);
    if (text.empty()) return {std::nullopt, "empty field"};
    if (HasNonAscii(text))
        return {std::nullopt, "exponent or sign written with a non-ASCII dash (en dash), digits unclear"};
    static const std::regex decimal(R"([+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?)");
    std::smatch match;
    if (!std::regex_match(text, match, decimal)) return {std::nullopt, "not a number"};
    const bool hasExponent = match[2].matched;
    double value = 0;
    const char* end = text.data() + text.size();
    const char* begin = text.data() + (text.front() == '+' ? 1 : 0);
    if (auto [ptr, ec] = std::from_chars(begin, end, value); ec != std::errc() || ptr != end)
        return {std::nullopt, "not a number"};
    if (!hasExponent && rule == ExponentRule::Required)
        return {std::nullopt, "no exponent (a coefficient of this table cannot be written without one)"};
    if (!hasExponent && rule == ExponentRule::RequiredUnlessZero && value != 0)
        return {std::nullopt, "no exponent (only zero is written without one in this table)"};
    return {value, {}};
}

std::string ShortNumberText(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", value);
    return buffer;
}

}  // namespace quorvel::data

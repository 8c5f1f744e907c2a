#include "NumberText.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "DatabaseError.h"

namespace quorvel {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Checks the shape [sign] digits [. digits] [E [sign] digits] before from_chars sees it,
// so that "inf", "nan" and hexadecimal forms are refused.
bool HasDecimalShape(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t mantissaDigits = 0;
    while (i < s.size() && IsDigit(s[i])) ++i, ++mantissaDigits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) ++i, ++mantissaDigits;
    }
    if (mantissaDigits == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        std::size_t exponentDigits = 0;
        while (i < s.size() && IsDigit(s[i])) ++i, ++exponentDigits;
        if (exponentDigits == 0) return false;
    }
    return i == s.size();
}

}  // namespace

std::string TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::optional<double> ReadNumber(std::string_view text) {
    const std::string trimmed = TrimBlanks(text);
    std::string_view s = trimmed;
    if (!HasDecimalShape(s)) return std::nullopt;
    const bool negative = s.front() == '-';
    if (s.front() == '+' || s.front() == '-') s.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value, std::chars_format::general);
    if (end != s.data() + s.size()) return std::nullopt;
    if (error == std::errc::result_out_of_range) {
        // Underflow to zero is harmless; overflow is not a value.
        if (std::isinf(std::strtod(trimmed.c_str(), nullptr))) return std::nullopt;
        value = 0;
    } else if (error != std::errc{}) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

double ConvertTextToNumber(std::string_view text) {
    if (const auto value = ReadNumber(text)) return *value;
    throw DatabaseError("Type mismatch: \"" + std::string(text) + "\" is not a number");
}

std::string FormatGeneralNumber(double value) {
    if (value == 0) return "0";
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    return buffer;
}

}  // namespace quorvel

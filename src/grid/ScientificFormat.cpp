#include "ScientificFormat.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace quorvel {

std::string FormatScientific(double value) {
    if (!std::isfinite(value)) throw std::overflow_error("Overflow");
    if (value == 0) return "0.00E00";

    // 15 significant digits: d.dddddddddddddde±xxx
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(value));
    const std::string text(buffer);
    const auto ePos = text.find('e');
    int exponent = std::atoi(text.c_str() + ePos + 1);

    // Digits as an integer of 15 places, rounded to 3 places half away from zero.
    std::string digits = text.substr(0, 1) + text.substr(2, ePos - 2);
    long long leading = std::stoll(digits.substr(0, 3));
    if (digits[3] >= '5') ++leading;
    if (leading >= 1000) {
        leading /= 10;
        ++exponent;
    }

    char result[40];
    std::snprintf(result, sizeof result, "%s%lld.%02lldE%s%02d", value < 0 ? "-" : "", leading / 100, leading % 100,
                  exponent < 0 ? "-" : "", std::abs(exponent));
    return result;
}

}  // namespace quorvel

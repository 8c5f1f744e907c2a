#include "AccessDateText.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace quorvel {

namespace {

struct CivilDate {
    std::int64_t Year;
    int Month;
    int Day;
};

// The calendar date of a day counted from 1/1/1970 (proleptic Gregorian calendar).
CivilDate CivilFromDays(std::int64_t days) {
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    const int month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    return {yearOfEra + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

// 12/30/1899 counted from 1/1/1970.
constexpr std::int64_t AccessEpoch = -25569;

}  // namespace

std::string FormatAccessDate(double value) {
    if (!std::isfinite(value) || std::fabs(value) > 1e8) return std::to_string(value);
    std::int64_t day = static_cast<std::int64_t>(std::trunc(value));
    std::int64_t seconds = std::llround(std::fabs(value - static_cast<double>(day)) * 86400.0);
    if (seconds == 86400) {
        seconds = 0;
        day += value < 0 ? -1 : 1;
    }
    char text[64];
    std::string shown;
    if (day != 0) {
        const CivilDate date = CivilFromDays(day + AccessEpoch);
        std::snprintf(text, sizeof text, "%d/%d/%lld", date.Month, date.Day, static_cast<long long>(date.Year));
        shown = text;
    }
    if (seconds != 0 || day == 0) {
        const int hour = static_cast<int>(seconds / 3600);
        const int hour12 = hour % 12 == 0 ? 12 : hour % 12;
        std::snprintf(text, sizeof text, "%d:%02d:%02d %s", hour12, static_cast<int>(seconds / 60 % 60),
                      static_cast<int>(seconds % 60), hour < 12 ? "AM" : "PM");
        if (!shown.empty()) shown += ' ';
        shown += text;
    }
    return shown;
}

}  // namespace quorvel

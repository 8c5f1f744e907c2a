#pragma once
// Half-lives as the nuclide list stores them ("12.32 y", "1.51E+6 y") and as a user types
// them for a filter ("30d", "10 min", "1.5e3 s").

#include <optional>
#include <string_view>

namespace quorvel {

// Seconds of a number followed by a unit: s, m or min, h, d, y (a year of 365.25 days);
// a number alone is seconds. Anything else gives no value.
std::optional<double> HalfLifeSeconds(std::string_view text);

}  // namespace quorvel

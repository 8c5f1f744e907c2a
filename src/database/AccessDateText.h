#pragma once
#include <string>

namespace quorvel {

// An Access date/time value (days since 12/30/1899, the fraction being the time of day)
// as the engine shows it in its general date format with US settings: "3/15/2004 1:05:09 PM";
// the date alone when the time is midnight, the time alone on 12/30/1899 ("1:05:09 PM",
// and "12:00:00 AM" for 0). Before 12/30/1899 the fraction still counts forward from
// midnight: -1.25 is 12/29/1899 6:00:00 AM.
std::string FormatAccessDate(double value);

}  // namespace quorvel

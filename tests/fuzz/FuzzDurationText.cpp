// A typed duration (the +D cutoff) of any bytes: none, or seconds that are finite and not
// negative, as the half-life filter reads the same text.
#include <cmath>
#include <cstdlib>

#include "DecayChain.h"
#include "HalfLife.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto seconds = quorvel::ReadDurationSeconds(text);
    if (seconds && (!std::isfinite(*seconds) || *seconds < 0 || quorvel::HalfLifeSeconds(text) != seconds))
        std::abort();
    return 0;
}

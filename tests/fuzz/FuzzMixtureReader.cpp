// A mixture file of any bytes: its rows or a MixtureFormatError, never a crash; the rows
// written out read back as the same rows.
#include <cstdlib>
#include <sstream>

#include "Mixture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::vector<quorvel::MixtureRow> rows;
    try {
        rows = quorvel::ReadMixture(in);
    } catch (const quorvel::MixtureFormatError&) {
        return 0;
    }
    std::istringstream written(quorvel::WriteMixture(rows));
    if (quorvel::ReadMixture(written) != rows) std::abort();
    return 0;
}

// The text-to-number conversion and the scientific format on any bytes.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FieldValue.h"
#include "NumberText.h"
#include "ScientificFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto number = quorvel::ReadNumber(text);
    if (quorvel::FieldValue(text).IsNumeric() != number.has_value()) std::abort();
    if (number) {
        // Every number that reads must print, in the shape d.ddE[-]dd.
        const std::string shown = quorvel::FormatScientific(*number);
        const auto e = shown.find('E');
        if (e == std::string::npos || shown.find('.') != e - 3) std::abort();
        // The general text keeps 15 significant digits: reading it back and writing it again
        // gives the same text.
        const std::string general = quorvel::FormatGeneralNumber(*number);
        const auto reread = quorvel::ReadNumber(general);
        if (!reread || quorvel::FormatGeneralNumber(*reread) != general) std::abort();
    }
    return 0;
}

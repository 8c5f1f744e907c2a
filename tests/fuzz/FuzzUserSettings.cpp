// Reading user.ini on any bytes: a value or nothing, and what is written reads back the same.
#include <cstdlib>

#include "FuzzInputFile.h"
#include "UserSettings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = WriteFuzzInput("user", data, size);
    const auto read = quorvel::ReadUserSettings(path);
    if (!read) std::abort();  // an existing regular file always reads
    // One round trip settles the values on what the file can hold; a second changes nothing.
    if (!quorvel::WriteUserSettings(path, *read)) std::abort();
    const auto once = quorvel::ReadUserSettings(path);
    if (!once || !quorvel::WriteUserSettings(path, *once)) std::abort();
    const auto twice = quorvel::ReadUserSettings(path);
    if (!twice || !(*twice == *once)) std::abort();
    return 0;
}

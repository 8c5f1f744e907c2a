// Reading user.ini on any bytes: a value or nothing, and what is written reads back the same.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "UserSettings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path =
        (std::filesystem::temp_directory_path() / ("quorvel-fuzz-user-" + std::to_string(getpid()) + ".ini")).string();
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
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

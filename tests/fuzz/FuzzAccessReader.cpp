// The Access reader on mutated files: the tables or a DatabaseError, never a crash or a hang.
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>

#include "AccessReader.h"
#include "DatabaseError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path =
        (std::filesystem::temp_directory_path() / ("quorvel-fuzz-access-" + std::to_string(getpid()) + ".mdb")).string();
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    try {
        quorvel::ReadAccessDatabase(path);
    } catch (const quorvel::DatabaseError&) {
    }
    return 0;
}

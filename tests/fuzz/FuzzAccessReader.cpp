// The Access reader on mutated files: the tables or a DatabaseError, never a crash or a hang.
#include "AccessReader.h"
#include "DatabaseError.h"
#include "FuzzInputFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        quorvel::ReadAccessDatabase(WriteFuzzInput("access", data, size));
    } catch (const quorvel::DatabaseError&) {}
    return 0;
}

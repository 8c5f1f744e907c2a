#pragma once
// The fuzzer's bytes as a file, for the readers that take a path: one file per target and
// process, replaced on every input.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

inline std::string WriteFuzzInput(const std::string& target, const std::uint8_t* data, std::size_t size) {
    const std::string path =
        (std::filesystem::temp_directory_path() / ("quorvel-fuzz-" + target + "-" + std::to_string(getpid()))).string();
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
}

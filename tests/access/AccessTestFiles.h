#pragma once
// The Access fixtures and the file operations the Access tests share.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace quorvel::test {

inline std::string AccessFixture(const std::string& name) { return std::string(QUORVEL_ACCESS_FIXTURES) + "/" + name; }

inline std::string ReadFileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

inline void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << bytes;
}

}  // namespace quorvel::test

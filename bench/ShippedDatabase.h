#pragma once
// The database the build ships, which the benchmarks measure against.

#include <filesystem>
#include <stdexcept>
#include <string>

namespace quorvel {

inline std::string ShippedDatabase() {
    const auto path = std::filesystem::path(QUORVEL_APPLICATION_DIRECTORY) / "DoseAndRisk.mdb";
    if (!std::filesystem::exists(path)) throw std::runtime_error("build the shipped database first: " + path.string());
    return path.string();
}

}  // namespace quorvel

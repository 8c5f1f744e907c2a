#pragma once
#include <string>

namespace quorvel {

inline constexpr const char* ApplicationTitle = "Quorvel";
inline constexpr int VersionMajor = 2;
inline constexpr int VersionMinor = 1;
inline constexpr int VersionRevision = 13;

// "Version 2.1.13", as the About box and the splash window show it.
inline std::string VersionText() {
    return "Version " + std::to_string(VersionMajor) + "." + std::to_string(VersionMinor) + "." +
           std::to_string(VersionRevision);
}

}  // namespace quorvel

#pragma once
// The per-installation settings file user.ini: fourteen numbers, one a line, CR LF.

#include <array>
#include <optional>
#include <string>

namespace quorvel {

struct UserSettings {
    int WindowState = 0;      // 0 normal, 1 minimized, 2 maximized
    double WindowHeight = 0;  // outer size and position, twips
    double WindowWidth = 0;
    double WindowLeft = 0;
    double WindowTop = 0;
    // The last unit position used for a request, per unit category 1 to 4 (index 0 unused).
    std::array<int, 5> SavedDoseUnit{};
    std::array<int, 5> SavedRiskUnit{};
    int CompactDatabase = 0;  // "Compact database on exit.": 0 unchecked, 1 checked
    friend bool operator==(const UserSettings&, const UserSettings&) = default;
};

// Reads the file; nothing when it cannot be opened. Blanks around a number are skipped;
// a missing line or a value that cannot be read stays 0.
std::optional<UserSettings> ReadUserSettings(const std::string& path);

// The fourteen lines as written: state and check box as 16-bit integers, the geometry
// as single-precision numbers, the unit positions as 32-bit integers.
std::string FormatUserSettings(const UserSettings& settings);

// Creates or replaces the file (an old one stays whole when the new text cannot be
// written); false when it cannot be written (nothing is reported).
bool WriteUserSettings(const std::string& path, const UserSettings& settings);

}  // namespace quorvel

#include "UserSettings.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>
#include <vector>

#include "FileReplacement.h"
#include "NumberText.h"

namespace quorvel {

namespace {

constexpr int LineCount = 14;

std::vector<std::string> SplitLines(const std::string& content) {
    std::vector<std::string> lines;
    std::istringstream in(content);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

double ReadReal(const std::vector<std::string>& lines, std::size_t index) {
    if (index >= lines.size()) return 0;
    const auto value = ReadNumber(lines[index]);
    return value ? *value : 0;
}

int ReadWhole(const std::vector<std::string>& lines, std::size_t index) {
    const double value = std::round(ReadReal(lines, index));
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max()) return 0;
    return static_cast<int>(value);
}

std::string SingleText(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.7g", static_cast<double>(static_cast<float>(value)));
    return text;
}

}  // namespace

std::optional<UserSettings> ReadUserSettings(const std::string& path) {
    // A folder of that name opens but cannot be read: it counts as no file.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::ostringstream content;
    content << file.rdbuf();
    const auto lines = SplitLines(content.str());

    UserSettings settings;
    settings.WindowState = ReadWhole(lines, 0);
    settings.WindowHeight = ReadReal(lines, 1);
    settings.WindowWidth = ReadReal(lines, 2);
    settings.WindowLeft = ReadReal(lines, 3);
    settings.WindowTop = ReadReal(lines, 4);
    for (std::size_t category = 1; category <= 4; ++category) {
        settings.SavedDoseUnit[category] = ReadWhole(lines, 4 + category);
        settings.SavedRiskUnit[category] = ReadWhole(lines, 8 + category);
    }
    settings.CompactDatabase = ReadWhole(lines, LineCount - 1);
    return settings;
}

std::string FormatUserSettings(const UserSettings& settings) {
    std::string text;
    const auto line = [&text](const std::string& value) { text += value + "\r\n"; };
    line(std::to_string(static_cast<std::int16_t>(settings.WindowState)));
    line(SingleText(settings.WindowHeight));
    line(SingleText(settings.WindowWidth));
    line(SingleText(settings.WindowLeft));
    line(SingleText(settings.WindowTop));
    for (std::size_t category = 1; category <= 4; ++category) line(std::to_string(settings.SavedDoseUnit[category]));
    for (std::size_t category = 1; category <= 4; ++category) line(std::to_string(settings.SavedRiskUnit[category]));
    line(std::to_string(static_cast<std::int16_t>(settings.CompactDatabase)));
    return text;
}

bool WriteUserSettings(const std::string& path, const UserSettings& settings) {
    return ReplaceFileContent(path, FormatUserSettings(settings));
}

}  // namespace quorvel

#include "UserIniLocation.h"

#include <cstdlib>
#include <filesystem>
#include <unistd.h>
#include <vector>

namespace quorvel {

namespace {

namespace fs = std::filesystem;

std::string AbsoluteOrEmpty(const char* value) {
    if (value == nullptr || value[0] != '/') return {};
    return value;
}

}  // namespace

bool CanCreateFileIn(const std::string& folder) {
    std::string pattern = (fs::path(folder) / ".quorvel-write-check-XXXXXX").string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) return false;
    ::close(fd);
    ::unlink(name.data());
    return true;
}

std::string UserConfigFolder(const char* xdgConfigHome, const char* home) {
    std::string base = AbsoluteOrEmpty(xdgConfigHome);
    if (base.empty()) {
        const std::string homeFolder = AbsoluteOrEmpty(home);
        if (homeFolder.empty()) return {};
        base = (fs::path(homeFolder) / ".config").string();
    }
    return (fs::path(base) / "quorvel").string();
}

std::string ChooseUserIniPath(const std::string& applicationDirectory, const FolderWritableCheck& writable,
                              const std::string& configFolder) {
    const std::string besideProgram = (fs::path(applicationDirectory) / "user.ini").string();
    if (writable(applicationDirectory) || configFolder.empty()) return besideProgram;
    std::error_code ignored;  // a folder that cannot be made shows when writing fails
    fs::create_directories(configFolder, ignored);
    return (fs::path(configFolder) / "user.ini").string();
}

std::string ChooseUserIniPath(const std::string& applicationDirectory, const FolderWritableCheck& writable) {
    return ChooseUserIniPath(applicationDirectory, writable,
                             UserConfigFolder(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")));
}

}  // namespace quorvel

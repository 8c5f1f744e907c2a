#include "SystemInformation.h"

#include <filesystem>
#include <sstream>
#include <unistd.h>

namespace quorvel {

namespace {

namespace fs = std::filesystem;

bool IsExecutableFile(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error) && ::access(path.c_str(), X_OK) == 0;
}

std::vector<std::string> PathFolders(const std::string& pathVariable) {
    std::vector<std::string> folders;
    std::istringstream in(pathVariable);
    std::string folder;
    while (std::getline(in, folder, ':'))
        if (!folder.empty()) folders.push_back(folder);
    return folders;
}

}  // namespace

PathKeyValueSource::PathKeyValueSource(std::string pathVariable) : pathVariable_(std::move(pathVariable)) {}

const std::vector<std::string>& PathKeyValueSource::SystemInfoPrograms() {
    static const std::vector<std::string> programs = {
        "hardinfo2", "hardinfo", "kinfocenter", "gnome-system-monitor", "mate-system-monitor", "xfce4-taskmanager"};
    return programs;
}

std::string PathKeyValueSource::FindOnPath(const std::string& program) const {
    for (const auto& folder : PathFolders(pathVariable_)) {
        const fs::path candidate = fs::path(folder) / program;
        if (IsExecutableFile(candidate)) return candidate.string();
    }
    return {};
}

bool PathKeyValueSource::GetKeyValue(const std::string& keyRoot, const std::string& keyName,
                                     const std::string& subKeyRef, std::string& keyVal) const {
    keyVal.clear();
    if (keyRoot != HkeyLocalMachine) return false;
    if (keyName == MsinfoKey && subKeyRef == MsinfoValue) {
        for (const auto& program : SystemInfoPrograms()) {
            keyVal = FindOnPath(program);
            if (!keyVal.empty()) return true;
        }
        return false;
    }
    if (keyName == SharedToolsLocationKey && subKeyRef == SharedToolsLocationValue) {
        const std::string program = FindOnPath("MSINFO32.EXE");
        if (program.empty()) return false;
        keyVal = fs::path(program).parent_path().string();
        return true;
    }
    return false;
}

void StartSysInfo(const KeyValueSource& keys, ProgramStarter& starter, UserPrompt& prompt) {
    std::string program;
    std::string value;
    if (keys.GetKeyValue(HkeyLocalMachine, MsinfoKey, MsinfoValue, value)) {
        program = value;
    } else if (keys.GetKeyValue(HkeyLocalMachine, SharedToolsLocationKey, SharedToolsLocationValue, value)) {
        const fs::path candidate = fs::path(value) / "MSINFO32.EXE";
        std::error_code error;
        if (fs::exists(candidate, error)) program = candidate.string();
    }
    if (program.empty() || !starter.StartDetached(program)) prompt.ShowMessage(SystemInfoUnavailableMessage);
}

}  // namespace quorvel

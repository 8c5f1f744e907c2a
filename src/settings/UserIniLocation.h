#pragma once
// Where user.ini lives: beside the program when its folder is writable, otherwise in the
// user's configuration folder, so that an installed program keeps its settings.

#include <functional>
#include <string>

namespace quorvel {

// Whether a file can be created in the folder, found out by creating one and removing it
// again: as root, access(2) calls every folder writable, read-only mounts included.
bool CanCreateFileIn(const std::string& folder);

using FolderWritableCheck = std::function<bool(const std::string& folder)>;

// $XDG_CONFIG_HOME/quorvel, or $HOME/.config/quorvel when XDG_CONFIG_HOME is unset, empty or
// relative (such a value is to be ignored); empty when neither gives an absolute folder.
// Null pointers stand for unset variables.
std::string UserConfigFolder(const char* xdgConfigHome, const char* home);

// The application directory's user.ini when that folder is writable; otherwise user.ini in
// the configuration folder, which is created when missing. Without a configuration folder
// the application directory's path stays (writing it then fails unreported, as always).
std::string ChooseUserIniPath(const std::string& applicationDirectory, const FolderWritableCheck& writable,
                              const std::string& configFolder);

// As above, with the configuration folder of this process's environment.
std::string ChooseUserIniPath(const std::string& applicationDirectory, const FolderWritableCheck& writable);

}  // namespace quorvel

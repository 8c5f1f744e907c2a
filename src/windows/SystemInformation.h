#pragma once
// Finding and starting the desktop's system-information program from the About box.
// The two keys the search asks for are answered from the programs on the PATH.

#include <string>
#include <vector>

#include "UserPrompt.h"

namespace quorvel {

inline constexpr const char* HkeyLocalMachine = "HKEY_LOCAL_MACHINE";
inline constexpr const char* MsinfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr const char* MsinfoValue = "PATH";
inline constexpr const char* SharedToolsLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr const char* SharedToolsLocationValue = "MSINFO";
inline constexpr const char* SystemInfoUnavailableMessage = "System Information Is Unavailable At This Time";

// Answers a named value of a key: true with the value's text, or false with an empty text.
class KeyValueSource {
public:
    virtual ~KeyValueSource() = default;
    virtual bool GetKeyValue(const std::string& keyRoot, const std::string& keyName, const std::string& subKeyRef,
                             std::string& keyVal) const = 0;
};

// The MSINFO path is the first system-information program found on the PATH; the shared
// tools location is the PATH folder that holds an MSINFO32.EXE.
class PathKeyValueSource : public KeyValueSource {
public:
    explicit PathKeyValueSource(std::string pathVariable);
    // Programs tried in order for the MSINFO path.
    static const std::vector<std::string>& SystemInfoPrograms();
    bool GetKeyValue(const std::string& keyRoot, const std::string& keyName, const std::string& subKeyRef,
                     std::string& keyVal) const override;

private:
    std::string FindOnPath(const std::string& program) const;
    std::string pathVariable_;
};

// Starts a program as a separate process without waiting; false when it cannot be started.
class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    virtual bool StartDetached(const std::string& program) = 0;
};

// The MSINFO path first, else the shared tools location's MSINFO32.EXE if it exists;
// anything else shows SystemInfoUnavailableMessage.
void StartSysInfo(const KeyValueSource& keys, ProgramStarter& starter, UserPrompt& prompt);

}  // namespace quorvel

// Checking a chosen file before it is read or overwritten.

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "TalvorLibrary.h"

namespace quorvel {

namespace {

enum class OpenOutcome { Opened, BadName, NotFound, PathOrAccess, Device, NotReady, Other };

struct OpenResult {
    OpenOutcome Outcome;
    int Error = 0;
};

OpenOutcome Classify(int error) {
    switch (error) {
        case ENOENT: return OpenOutcome::NotFound;
        case ENAMETOOLONG:
        case EINVAL: return OpenOutcome::BadName;
        case ENOTDIR:
        case EACCES:
        case EISDIR: return OpenOutcome::PathOrAccess;
        case ENXIO:
        case ENODEV: return OpenOutcome::Device;
        case EIO:
        case ENOMEDIUM: return OpenOutcome::NotReady;
        default: return OpenOutcome::Other;
    }
}

// Opens the file for reading and closes it again. Without O_NONBLOCK a pipe would wait
// for a writer; a folder opens for reading here, but is no file to read or replace.
OpenResult TryToOpen(const std::string& fileName) {
    if (fileName.empty()) return {OpenOutcome::BadName, EINVAL};
    const int fd = ::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        return {Classify(error), error};
    }
    struct stat status {};
    const bool isFolder = ::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode);
    ::close(fd);
    if (isFolder) return {OpenOutcome::PathOrAccess, EISDIR};
    return {OpenOutcome::Opened, 0};
}

const char* const DeviceMessage = "Device is not available. Try again.";
const char* const NotReadyMessage = "Drive not ready.  Please close the drive door.";
const char* const NotFoundMessage = "The ascii file you selected was not found.";

std::string GeneralWriteMessage(int error) {
    return "An error (" + std::to_string(error) +
           ") has occured in checking the selected file.  Please check the format of the file and file path and "
           "retry or make sure no other application is using it.";
}

void CheckFileToRead(const OpenResult& result, bool& acceptable, UserPrompt& prompt) {
    switch (result.Outcome) {
        case OpenOutcome::Opened: acceptable = true; return;
        case OpenOutcome::BadName:
            prompt.ShowMessage("The ascii file name you selected was invalid. Try again.");
            return;
        case OpenOutcome::NotFound:
        case OpenOutcome::PathOrAccess: prompt.ShowMessage(NotFoundMessage); return;
        case OpenOutcome::Device: prompt.ShowMessage(DeviceMessage); return;
        case OpenOutcome::NotReady: prompt.ShowMessage(NotReadyMessage); return;
        case OpenOutcome::Other: break;
    }
    prompt.ShowMessage(
        "An error has occured in checking the selected csv file.  Please check the format of the file and file "
        "path and retry or make sure no other application is using it.");
}

void CheckFileToWrite(const OpenResult& result, bool& acceptable, YesNoCancelPrompt& prompt) {
    switch (result.Outcome) {
        case OpenOutcome::Opened:
            acceptable = prompt.AskYesNoCancel(ReplacePloverFileQuestion) == PromptAnswer::Yes;
            return;
        case OpenOutcome::BadName:
        case OpenOutcome::NotFound: acceptable = true; return;
        case OpenOutcome::Device: prompt.ShowMessage(DeviceMessage); return;
        case OpenOutcome::NotReady: prompt.ShowMessage(NotReadyMessage); return;
        case OpenOutcome::PathOrAccess:
        case OpenOutcome::Other: break;
    }
    prompt.ShowMessage(GeneralWriteMessage(result.Error));
}

}  // namespace

void clsTalvorLibrary::CheckTheFileName(const std::string& fileKind, const std::string& fileName, bool& acceptable,
                                        YesNoCancelPrompt& prompt) {
    if (fileKind != "csv" && fileKind != "plv") return;
    acceptable = false;
    const OpenResult result = TryToOpen(fileName);
    if (fileKind == "csv")
        CheckFileToRead(result, acceptable, prompt);
    else
        CheckFileToWrite(result, acceptable, prompt);
}

}  // namespace quorvel

#include "FileReplacement.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvel {

namespace fs = std::filesystem;

namespace {

bool WriteAll(int descriptor, const std::string& text) {
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(descriptor, text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        written += static_cast<std::size_t>(n);
    }
    return true;
}

bool WriteInPlace(const std::string& fileName, const std::string& text) {
    const int descriptor = ::open(fileName.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (descriptor < 0) return false;
    const bool written = WriteAll(descriptor, text);
    // A full disk may show only when the file is closed.
    return ::close(descriptor) == 0 && written;
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

bool ReplaceFile(const std::string& fileName, const std::function<bool(const std::string& path)>& write) {
    std::error_code error;
    const fs::file_status status = fs::status(fileName, error);
    const bool exists = fs::exists(status);
    if (exists && !fs::is_regular_file(status)) return write(fileName);
    // A link to a file yet to be made makes that file.
    if (!exists && fs::is_symlink(fs::symlink_status(fileName, error))) return write(fileName);

    fs::path target = fileName;
    if (exists) {
        target = fs::canonical(fileName, error);
        if (error) return write(fileName);
    }
    std::string temporary = (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0) return write(fileName);
    ::close(descriptor);

    struct stat old {};
    const mode_t mode = exists && ::stat(target.c_str(), &old) == 0 ? (old.st_mode & 07777) : NewFileMode();
    if (write(temporary) && ::chmod(temporary.c_str(), mode) == 0 && ::rename(temporary.c_str(), target.c_str()) == 0)
        return true;
    const int cause = errno;  // the failure's, for the caller's message
    ::unlink(temporary.c_str());
    errno = cause;
    return false;
}

bool ReplaceFileContent(const std::string& fileName, const std::string& text) {
    return ReplaceFile(fileName, [&text](const std::string& path) { return WriteInPlace(path, text); });
}

}  // namespace quorvel

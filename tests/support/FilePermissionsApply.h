#pragma once
// Root passes every file permission through two capabilities (DAC override and DAC
// read-search). For its lifetime this drops both from the calling thread's effective set,
// so that a test running as root meets an unreadable file or a read-only folder as any
// user would; they are restored at the end. Outside root nothing needs dropping.

#include <cstdint>

namespace quorvel::test {

class FilePermissionsApply {
public:
    FilePermissionsApply();  // throws std::runtime_error when the capabilities cannot be dropped
    ~FilePermissionsApply();
    FilePermissionsApply(const FilePermissionsApply&) = delete;
    FilePermissionsApply& operator=(const FilePermissionsApply&) = delete;

private:
    std::uint32_t savedEffective_ = 0;
    bool dropped_ = false;
};

}  // namespace quorvel::test

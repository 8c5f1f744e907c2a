#pragma once
// Root passes every file permission through two capabilities (DAC override and DAC
// read-search). For its lifetime this drops both from the calling thread's effective set,
// so that a test running as root meets an unreadable file or a read-only folder as any
// user would; they are restored at the end. Outside root nothing needs dropping.

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <linux/capability.h>
#include <stdexcept>
#include <string>
#include <sys/syscall.h>
#include <unistd.h>

namespace quorvel::test {

class FilePermissionsApply {
public:
    // Throws std::runtime_error when the capabilities cannot be dropped.
    FilePermissionsApply() {
        Capabilities capabilities = Read();
        savedEffective_ = capabilities.Data[0].effective;
        if ((savedEffective_ & Overrides) == 0) return;
        capabilities.Data[0].effective &= ~Overrides;
        Write(capabilities);
        dropped_ = true;
    }
    ~FilePermissionsApply() {
        if (!dropped_) return;
        try {
            Capabilities capabilities = Read();
            capabilities.Data[0].effective = savedEffective_;
            Write(capabilities);
        } catch (const std::exception&) {
            // A destructor cannot throw; a later test that needs the overrides reports it.
        }
    }
    FilePermissionsApply(const FilePermissionsApply&) = delete;
    FilePermissionsApply& operator=(const FilePermissionsApply&) = delete;

private:
    struct Capabilities {
        __user_cap_header_struct Header{_LINUX_CAPABILITY_VERSION_3, 0};
        __user_cap_data_struct Data[_LINUX_CAPABILITY_U32S_3]{};
    };
    static constexpr std::uint32_t Overrides = (1U << CAP_DAC_OVERRIDE) | (1U << CAP_DAC_READ_SEARCH);

    static Capabilities Read() {
        Capabilities capabilities;
        if (syscall(SYS_capget, &capabilities.Header, capabilities.Data) != 0)
            throw std::runtime_error(std::string("capget: ") + std::strerror(errno));
        return capabilities;
    }
    static void Write(Capabilities& capabilities) {
        if (syscall(SYS_capset, &capabilities.Header, capabilities.Data) != 0)
            throw std::runtime_error(std::string("capset: ") + std::strerror(errno));
    }

    std::uint32_t savedEffective_ = 0;
    bool dropped_ = false;
};

}  // namespace quorvel::test

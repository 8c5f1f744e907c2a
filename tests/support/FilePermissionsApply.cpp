#include "FilePermissionsApply.h"

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <string>

namespace quorvel::test {

namespace {

struct ThreadCapabilities {
    __user_cap_header_struct Header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct Data[_LINUX_CAPABILITY_U32S_3]{};
};

constexpr std::uint32_t PermissionOverrides = (1U << CAP_DAC_OVERRIDE) | (1U << CAP_DAC_READ_SEARCH);

void Read(ThreadCapabilities& capabilities) {
    if (syscall(SYS_capget, &capabilities.Header, capabilities.Data) != 0)
        throw std::runtime_error(std::string("capget: ") + std::strerror(errno));
}

void Write(ThreadCapabilities& capabilities) {
    if (syscall(SYS_capset, &capabilities.Header, capabilities.Data) != 0)
        throw std::runtime_error(std::string("capset: ") + std::strerror(errno));
}

}  // namespace

FilePermissionsApply::FilePermissionsApply() {
    ThreadCapabilities capabilities;
    Read(capabilities);
    savedEffective_ = capabilities.Data[0].effective;
    if ((savedEffective_ & PermissionOverrides) == 0) return;
    capabilities.Data[0].effective &= ~PermissionOverrides;
    Write(capabilities);
    dropped_ = true;
}

FilePermissionsApply::~FilePermissionsApply() {
    if (!dropped_) return;
    ThreadCapabilities capabilities;
    try {
        Read(capabilities);
        capabilities.Data[0].effective = savedEffective_;
        Write(capabilities);
    } catch (const std::exception&) {
        // A destructor cannot throw; a later test that needs the overrides reports it.
    }
}

}  // namespace quorvel::test

// Makes file permission bits bind a test that runs as root, by lowering the capabilities that
// bypass them for as long as the object lives (this thread only).
#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace stormbell::testing {

class PermissionBitsApply {
public:
    PermissionBitsApply() {
        // Lowering an effective capability needs no privilege, so an ordinary user loses nothing.
        ::syscall(SYS_capget, &header_, saved_);
        __user_cap_data_struct lowered[2] = {saved_[0], saved_[1]};
        lowered[0].effective &=
            ~(1u << CAP_DAC_OVERRIDE | 1u << CAP_DAC_READ_SEARCH | 1u << CAP_FOWNER);
        ::syscall(SYS_capset, &header_, lowered);
    }
    PermissionBitsApply(const PermissionBitsApply&) = delete;
    PermissionBitsApply& operator=(const PermissionBitsApply&) = delete;
    ~PermissionBitsApply() { ::syscall(SYS_capset, &header_, saved_); }

private:
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2] = {};
};

} // namespace stormbell::testing

// A small tmpfs (64 KiB unless told) mounted on a temporary directory, for tests of a full disk.
// Mounting needs root; where it is refused, Mounted() is false and Reason() says why.
#pragma once

#include <cerrno>
#include <cstring>
#include <fstream>
#include <string>

#ifndef _WIN32
#include <sys/mount.h>
#endif

#include "tests/support/TempDir.h"

namespace stormbell::testing {

class SmallFilesystem {
public:
    SmallFilesystem(const SmallFilesystem&) = delete;
    SmallFilesystem& operator=(const SmallFilesystem&) = delete;
#ifdef _WIN32
    explicit SmallFilesystem(const std::string& = "64k")
        : reason_("Windows has no small file system a test can mount") {}
    ~SmallFilesystem() = default;
#else
    explicit SmallFilesystem(const std::string& size = "64k") {
        const std::string options = "size=" + size;
        mounted_ = ::mount("tmpfs", dir_.Path().c_str(), "tmpfs", 0, options.c_str()) == 0;
        if (!mounted_)
            reason_ = std::string("cannot mount a small tmpfs: ") + std::strerror(errno);
    }
    ~SmallFilesystem() {
        if (mounted_)
            ::umount2(dir_.Path().c_str(), MNT_DETACH);
    }
#endif
    bool Mounted() const {
        return mounted_;
    }
    const std::string& Reason() const {
        return reason_;
    }
    const std::filesystem::path& Path() const {
        return dir_.Path();
    }

    /// Takes every free byte with one file named `name`.
    void Fill(const char* name) const {
        std::ofstream out(dir_.Path() / name, std::ios::binary);
        const std::string block(4096, 'f');
        while (out.write(block.data(), block.size()).flush()) {
        }
    }

private:
    TempDir dir_;
    bool mounted_ = false;
    std::string reason_;
};

} // namespace stormbell::testing

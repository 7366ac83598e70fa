// How many descriptors the test process holds open: a leaked socket shows as one more.
#pragma once

#include <filesystem>

namespace stormbell::testing {

/// The entries of /proc/self/fd, less the one the listing itself opens.
inline long OpenDescriptors() {
    long count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd"))
        ++count;
    return count - 1;
}

} // namespace stormbell::testing

// Which file a name stands for: its device and file number, so that a file found damaged can
// be told from another one that has since taken its name.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

namespace stormbell {

struct FileIdentity {
    std::uint64_t Device = 0;
    std::uint64_t Number = 0;

    bool operator==(const FileIdentity&) const = default;
};

/// The identity of the file at `path`, without following a link as the last step; nothing when
/// there is no such file or it cannot be examined.
std::optional<FileIdentity> IdentityOf(const std::filesystem::path& path);

} // namespace stormbell

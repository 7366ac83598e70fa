#include "platform/DataFolder.h"

#include <cstdlib>

namespace stormbell {

namespace fs = std::filesystem;

std::optional<fs::path> UserDataFolder() {
    // A relative XDG_DATA_HOME is invalid and must be ignored, as the base directory rules say.
    const char* data = std::getenv("XDG_DATA_HOME");
    fs::path base;
    if (data != nullptr && fs::path(data).is_absolute()) {
        base = data;
    } else {
        const char* home = std::getenv("HOME");
        if (home == nullptr || !fs::path(home).is_absolute())
            return std::nullopt;
        base = fs::path(home) / ".local" / "share";
    }
    return base / "Brightmoor" / "Stormbell";
}

} // namespace stormbell

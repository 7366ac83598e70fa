#include "platform/UserFolders.h"

#include <cstdlib>

namespace stormbell {

std::filesystem::path UserConfigFolder() {
    const wchar_t* local = ::_wgetenv(L"LOCALAPPDATA");
    if (local == nullptr)
        return {};
    std::filesystem::path path(local);
    return path.is_absolute() ? path : std::filesystem::path();
}

} // namespace stormbell

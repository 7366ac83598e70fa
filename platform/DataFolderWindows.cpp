#include "platform/DataFolder.h"

#include <windows.h>

#include <string>

namespace stormbell {

namespace fs = std::filesystem;

std::optional<fs::path> UserDataFolder() {
    // The settings file sits in %LOCALAPPDATA%\Brightmoor; the data folder beside it.
    std::wstring local(MAX_PATH, L'\0');
    const DWORD length =
        ::GetEnvironmentVariableW(L"LOCALAPPDATA", local.data(), static_cast<DWORD>(local.size()));
    if (length == 0 || length >= local.size())
        return std::nullopt;
    local.resize(length);
    const fs::path base(local);
    if (!base.is_absolute())
        return std::nullopt;
    return base / "Brightmoor" / "Stormbell";
}

} // namespace stormbell

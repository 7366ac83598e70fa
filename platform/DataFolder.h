// Where the program keeps the user's data that is not settings (the reading history): a POSIX
// and a Windows side.
#pragma once

#include <filesystem>
#include <optional>

namespace stormbell {

/// The program's own data folder: $XDG_DATA_HOME/Brightmoor/Stormbell (with ~/.local/share when
/// XDG_DATA_HOME is unset or not absolute); on Windows %LOCALAPPDATA%\Brightmoor\Stormbell,
/// beside the settings file. Nothing when neither the variable nor a home folder is known. The
/// folder is not created here.
std::optional<std::filesystem::path> UserDataFolder();

} // namespace stormbell

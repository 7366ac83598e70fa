// Where the current user's own files go, found the same way wherever the program asks.
#pragma once

#include <filesystem>

namespace stormbell {

/// The user's folder for settings. POSIX: $XDG_CONFIG_HOME when it is an absolute path (a
/// relative one is ignored, as the XDG rules say), else ".config" in the home folder, which is
/// $HOME when that is absolute, else the one the password database gives the user. Windows:
/// %LOCALAPPDATA%. Empty when none is found.
std::filesystem::path UserConfigFolder();

} // namespace stormbell

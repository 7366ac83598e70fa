#include "platform/UserFolders.h"

#include <cstdlib>
#include <vector>

#include <pwd.h>
#include <unistd.h>

namespace stormbell {

namespace {

// The variable's value when it names an absolute path; nothing else can be trusted to mean the
// same folder from every start folder.
std::filesystem::path AbsoluteFromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr)
        return {};
    std::filesystem::path path(value);
    return path.is_absolute() ? path : std::filesystem::path();
}

std::filesystem::path HomeFromPasswordDatabase() {
    const long suggested = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(suggested > 0 ? static_cast<std::size_t>(suggested) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 ||
        found == nullptr || found->pw_dir == nullptr)
        return {};
    std::filesystem::path home(found->pw_dir);
    return home.is_absolute() ? home : std::filesystem::path();
}

} // namespace

std::filesystem::path UserConfigFolder() {
    if (auto config = AbsoluteFromEnvironment("XDG_CONFIG_HOME"); !config.empty())
        return config;
    auto home = AbsoluteFromEnvironment("HOME");
    if (home.empty())
        home = HomeFromPasswordDatabase();
    return home.empty() ? home : home / ".config";
}

} // namespace stormbell

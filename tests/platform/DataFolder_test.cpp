#include "platform/DataFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace stormbell {
namespace {

#ifndef _WIN32
// Sets or clears a variable for one test, and puts the old value back.
class Variable {
public:
    Variable(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~Variable() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(DataFolderTest, FollowsXdgDataHomeOnlyWhenItIsAbsolute) {
    struct Case {
        const char* data;
        const char* home;
        std::optional<std::filesystem::path> folder;
    };
    const Case cases[] = {
        {"/data", "/home/u", "/data/Brightmoor/Stormbell"},
        {"relative", "/home/u", "/home/u/.local/share/Brightmoor/Stormbell"},
        {nullptr, "/home/u", "/home/u/.local/share/Brightmoor/Stormbell"},
        {nullptr, nullptr, std::nullopt},
    };
    for (const auto& c : cases) {
        const Variable data("XDG_DATA_HOME", c.data), home("HOME", c.home);
        EXPECT_EQ(UserDataFolder(), c.folder) << (c.data ? c.data : "unset");
    }
}
#endif

} // namespace
} // namespace stormbell

#include <cstdlib>
#include <iterator>
#include <string>

#include <sys/wait.h>

#include <gtest/gtest.h>

#include "tests/support/SmallFilesystem.h"
#include "tests/support/TempDir.h"

namespace stormbell {
namespace {

namespace fs = std::filesystem;

// The renderer's exit status for `out`, its messages discarded.
int Render(const fs::path& out) {
    const std::string command =
        std::string(STORMBELL_RENDER) + " --out '" + out.string() + "' >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(RenderOutputTest, WritesAPngAndKeepsTheOldOneWhenTheDiskIsFull) {
    testing::TempDir dir;
    ASSERT_EQ(Render(dir.Path() / "face.png"), 0);
    const std::string picture = testing::ReadFile(dir.Path() / "face.png");
    EXPECT_EQ(picture.substr(0, 4), "\x89PNG");

    testing::SmallFilesystem disk("256k");
    if (!disk.Mounted())
        GTEST_SKIP() << disk.Reason();
    testing::WriteFile(disk.Path() / "face.png", picture);
    disk.Fill("filler");
    EXPECT_EQ(Render(disk.Path() / "face.png"), 1);
    EXPECT_TRUE(testing::ReadFile(disk.Path() / "face.png") == picture) << "the old PNG was lost";
    EXPECT_EQ(std::distance(fs::directory_iterator(disk.Path()), fs::directory_iterator()), 2)
        << "a temporary file was left behind";
}

} // namespace
} // namespace stormbell

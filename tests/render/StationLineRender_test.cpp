#include <cstdlib>
#include <string>

#include <sys/wait.h>

#include <QImage>

#include <gtest/gtest.h>

#include "tests/support/ImageDiff.h"
#include "tests/support/TempDir.h"

namespace stormbell {
namespace {

// The corner the station line and the speed dial with its gust hand share, in logical pixels.
constexpr int kLeft = 245, kTop = 146, kWidth = 230, kHeight = 110;

struct State {
    const char* name;
    const char* options;
};

class StationLineRender : public ::testing::TestWithParam<std::tuple<State, int>> {};

// Each state of the line at 1x and 2x matches its committed picture; the stale and failed
// states with dimmed needles, the fresh one with a gust hand.
TEST_P(StationLineRender, MatchesTheCommittedPicture) {
    const auto& [state, scale] = GetParam();
    testing::TempDir dir;
    const std::string out = (dir.Path() / "face.png").string();
    const std::string command = std::string(STORMBELL_RENDER) + " --out '" + out + "' --scale " +
                                std::to_string(scale) + " --direction 210 --speed 13 " +
                                state.options + " 2>/dev/null";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << command;
    const QImage fresh = QImage(QString::fromStdString(out))
                             .copy(kLeft * scale, kTop * scale, kWidth * scale, kHeight * scale);
    const std::string name =
        std::string("station-") + state.name + "-" + std::to_string(scale) + ".png";
    const QImage committed(QString::fromStdString(STORMBELL_EXPECTED_DIR "/" + name));
    ASSERT_FALSE(committed.isNull()) << "cannot read " << name;
    const std::string difference = testing::ImageDifference(fresh, committed);
    EXPECT_TRUE(difference.empty()) << name << ": " << difference;
}

INSTANTIATE_TEST_SUITE_P(
    StatesAndScales, StationLineRender,
    ::testing::Combine(::testing::Values(State{"none", "--station-line 'no reading yet'"},
                                         State{"fresh", "--station-line 'KBFI 15:53' --gust 22"},
                                         State{"stale", "--station-line 'KBFI 3 h old' --dimmed"},
                                         State{"failed",
                                               "--station-line 'KBFI update failed' --dimmed"}),
                       ::testing::Values(1, 2)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) + "_" +
               std::to_string(std::get<1>(info.param)) + "x";
    });

} // namespace
} // namespace stormbell

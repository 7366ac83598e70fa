#include <cstdlib>
#include <string>

#include <sys/wait.h>

#include <QImage>

#include <gtest/gtest.h>

#include "tests/support/ImageDiff.h"
#include "tests/support/TempDir.h"

namespace stormbell {
namespace {

// Each state of the station line at 1x and 2x matches its committed picture, which covers the
// line and the speed dial: stale and failed with dimmed needles, fresh with a gust hand, and a
// line lettered narrower to fit, as a translation's often is.
TEST(StationLineRenderTest, EachStateAtEachScaleMatchesItsCommittedPicture) {
    const std::pair<const char*, const char*> states[] = {
        {"none", "--station-line 'no reading yet'"},
        {"fresh", "--station-line 'KBFI 15:53' --gust 22"},
        {"stale", "--station-line 'KBFI 3 h old' --dimmed"},
        {"failed", "--station-line 'KBFI update failed' --dimmed"},
        {"narrowed", "--station-line 'EDDM Abruf fehlgeschlagen' --dimmed"}};
    testing::TempDir dir;
    const std::string out = (dir.Path() / "face.png").string();
    for (const auto& [state, options] : states)
        for (const int scale : {1, 2}) {
            const std::string name =
                std::string("station-") + state + "-" + std::to_string(scale) + ".png";
            const std::string command = std::string(STORMBELL_RENDER) + " --out '" + out +
                                        "' --direction 210 --speed 13 --scale " +
                                        std::to_string(scale) + " " + options + " 2>/dev/null";
            const int status = std::system(command.c_str());
            ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << command;
            // The corner the line shares with the speed dial, in logical pixels.
            const QImage corner = QImage(QString::fromStdString(out))
                                      .copy(245 * scale, 146 * scale, 230 * scale, 110 * scale);
            const QImage committed(QString::fromStdString(STORMBELL_EXPECTED_DIR "/" + name));
            ASSERT_FALSE(committed.isNull()) << "cannot read " << name;
            EXPECT_EQ(testing::ImageDifference(corner, committed), "") << name;
        }
}

} // namespace
} // namespace stormbell

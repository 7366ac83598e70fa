#include "tests/support/ImageDiff.h"
#include "tools/icon/IconArt.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <functional>

namespace stormbell {
namespace {

using testing::ImageDifference;

constexpr int kSizes[] = {STORMBELL_ICON_SIZES};

class IconsCurrent : public ::testing::TestWithParam<int> {};

// The committed icons are the generator's output; a machine whose Qt rounds an edge differently
// must still pass, a changed art must not.
TEST_P(IconsCurrent, CommittedPngMatchesTheArt) {
    const QString name = QString("stormbell-%1.png").arg(GetParam());
    const QImage committed(QString(STORMBELL_ICON_DIR "/") + name);
    ASSERT_FALSE(committed.isNull()) << "cannot read " << name.toStdString();
    const std::string difference = ImageDifference(PaintIcon(GetParam()), committed);
    EXPECT_TRUE(difference.empty())
        << name.toStdString() << " differs from the art: " << difference
        << "\nIf the art was changed on purpose, build the target stormbell_icons and commit "
           "data/icons/.";
}

INSTANTIATE_TEST_SUITE_P(Sizes, IconsCurrent, ::testing::ValuesIn(kSizes));

struct Change {
    const char* what;
    std::function<void(QImage&)> apply;
    bool passes;
};

void Nudge(QImage& image, int count, int by) {
    for (int i = 0; i < count; ++i) {
        const int x = i % image.width(), y = image.height() / 2 + i / image.width();
        const QRgb p = image.pixel(x, y);
        image.setPixel(x, y, qRgba(std::min(qRed(p) + by, 255), qGreen(p), qBlue(p), 255));
    }
}

TEST(ImageDifferenceTest, ToleratesRoundingAndCatchesARealChange) {
    const QImage art = PaintIcon(256).convertToFormat(QImage::Format_ARGB32);
    const Change changes[] = {
        {"none", [](QImage&) {}, true},
        {"four pixels off by one", [](QImage& i) { Nudge(i, 4, 1); }, true},
        {"1% of the pixels off by eight", [](QImage& i) { Nudge(i, 655, 8); }, true},
        {"one pixel off by nine", [](QImage& i) { Nudge(i, 1, 9); }, false},
        {"more than 1% of the pixels off by one", [](QImage& i) { Nudge(i, 656, 1); }, false},
        {"the picture shifted by one pixel", [](QImage& i) { i = i.copy(1, 0, 256, 256); }, false},
        {"a line drawn across",
         [](QImage& i) {
             QPainter p(&i);
             p.drawLine(40, 40, 200, 40);
         },
         false},
        {"another size", [](QImage& i) { i = i.scaled(128, 128); }, false},
    };
    for (const Change& c : changes) {
        QImage changed = art.copy();
        c.apply(changed);
        EXPECT_EQ(ImageDifference(changed, art).empty(), c.passes) << c.what;
    }
}

TEST(ImageDifferenceTest, NamesEachDifferingPixelAndByHowMuch) {
    QImage art(4, 4, QImage::Format_ARGB32);
    art.fill(qRgba(10, 20, 30, 255));
    QImage changed = art.copy();
    changed.setPixel(2, 1, qRgba(10, 80, 30, 255));
    EXPECT_EQ(ImageDifference(changed, art),
              "1 of 16 pixels differ (at most 0 may, each by at most 8); the largest difference "
              "is 60:\n  (2,1) #ff0a501e, committed #ff0a141e, off by 60");
}

} // namespace
} // namespace stormbell

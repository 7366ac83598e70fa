#include "gauges/qt/QtCanvas.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace stormbell {
namespace {

constexpr Color kWhite = 0xFFFFFF;
constexpr Color kInk = 0x123456;
constexpr Color kFill = 0x6688;

QImage Blank(int dpr) {
    QImage image(100 * dpr, 60 * dpr, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(ToQColor(kWhite));
    return image;
}

// The colour of logical pixel (x, y): every device pixel inside it must agree, else -1.
long long LogicalPixel(const QImage& image, int x, int y) {
    const int dpr = static_cast<int>(image.devicePixelRatio());
    const QRgb first = image.pixel(x * dpr, y * dpr);
    for (int dy = 0; dy < dpr; ++dy)
        for (int dx = 0; dx < dpr; ++dx)
            if (image.pixel(x * dpr + dx, y * dpr + dy) != first)
                return -1;
    return static_cast<long long>(qBlue(first)) << 16 | qGreen(first) << 8 | qRed(first);
}

class QtCanvasTest : public ::testing::TestWithParam<int> {};

TEST_P(QtCanvasTest, LinesCoverTheirPixelsWithThePenColour) {
    struct Case {
        int width;
        int x; // vertical line at this column, from y 10 to 40
        std::vector<int> inked, clear;
    } cases[] = {
        {0, 20, {20}, {19, 21}}, // the thinnest pen is one pixel, at any density
        {1, 20, {20}, {19, 21}},
        {2, 20, {20}, {17, 23}},
        {3, 20, {19, 20, 21}, {17, 23}},
    };
    for (const Case& c : cases) {
        QtSkinImage skin(Blank(GetParam()));
        Canvas& canvas = skin.GetCanvas();
        canvas.SetPenColor(kInk);
        canvas.SetPenWidth(c.width);
        canvas.MoveTo(c.x, 10);
        canvas.LineTo(c.x, 40);
        for (int x : c.inked)
            EXPECT_EQ(LogicalPixel(skin.Image(), x, 25), kInk) << c.width << " at " << x;
        for (int x : c.clear)
            EXPECT_EQ(LogicalPixel(skin.Image(), x, 25), kWhite) << c.width << " at " << x;
    }
}

TEST_P(QtCanvasTest, LineToLeavesThePositionAtItsEnd) {
    QtSkinImage skin(Blank(GetParam()));
    Canvas& canvas = skin.GetCanvas();
    canvas.SetPenColor(kInk);
    canvas.SetPenWidth(0);
    canvas.MoveTo(10, 10);
    canvas.LineTo(10, 30);
    canvas.LineTo(50, 30); // continues from (10, 30)
    EXPECT_EQ(LogicalPixel(skin.Image(), 30, 30), kInk);
    EXPECT_EQ(LogicalPixel(skin.Image(), 30, 10), kWhite);
}

TEST_P(QtCanvasTest, EllipseFillsWithBrushAndExcludesRightAndBottom) {
    QtSkinImage skin(Blank(GetParam()));
    Canvas& canvas = skin.GetCanvas();
    canvas.SetPenColor(kInk);
    canvas.SetPenWidth(0);
    canvas.SetBrushColor(kFill);
    canvas.Ellipse(20, 10, 37, 27); // 17 pixels across, centre (28, 18)
    EXPECT_EQ(LogicalPixel(skin.Image(), 28, 18), kFill);
    EXPECT_EQ(LogicalPixel(skin.Image(), 37, 18), kWhite);
    EXPECT_EQ(LogicalPixel(skin.Image(), 28, 27), kWhite);
    EXPECT_NE(LogicalPixel(skin.Image(), 36, 18), kWhite);
    EXPECT_NE(LogicalPixel(skin.Image(), 20, 18), kWhite);
}

TEST_P(QtCanvasTest, DrawingABitmapCopiesItExactly) {
    QImage picture = Blank(GetParam());
    picture.setPixel(5, 7, qRgb(1, 2, 3));
    const QtSkinImage clean(picture.copy());
    QtSkinImage skin(Blank(GetParam()));
    Canvas& canvas = skin.GetCanvas();
    canvas.SetPenColor(kInk);
    canvas.SetPenWidth(3);
    canvas.MoveTo(0, 0);
    canvas.LineTo(90, 50);
    canvas.Draw(0, 0, clean);
    EXPECT_EQ(skin.Image(), picture);
    EXPECT_EQ(skin.Width(), 100);
    EXPECT_EQ(skin.Height(), 60);
}

INSTANTIATE_TEST_SUITE_P(Scales, QtCanvasTest, ::testing::Values(1, 2));

class ForeignBitmap final : public Bitmap {
public:
    int Width() const override { return 1; }
    int Height() const override { return 1; }
};

TEST(QtCanvasErrorsTest, RefusesForeignBitmapsAndNegativeWidths) {
    QtSkinImage skin(Blank(1));
    EXPECT_THROW(skin.GetCanvas().Draw(0, 0, ForeignBitmap()), std::invalid_argument);
    EXPECT_THROW(skin.GetCanvas().SetPenWidth(-1), std::invalid_argument);
}

} // namespace
} // namespace stormbell

// A skin image held as a QImage at the screen's pixel density, and the canvas that draws into
// it with the pen-and-brush semantics the needles expect, in the skin's logical pixels.
#pragma once

#include "gauges/Skins.h"

#include <QColor>
#include <QImage>
#include <QPoint>

#include <functional>

namespace stormbell {

/// Qt colour of a 0x00BBGGRR value.
QColor ToQColor(Color color);

/// Draws into a QImage; coordinates name pixel centres, so a one-pixel line at x lights column x
/// and lines keep their logical widths at any device pixel ratio.
class QtCanvas final : public Canvas {
public:
    /// Draws into `image`, which must outlive the canvas.
    explicit QtCanvas(QImage& image);

    void SetPenColor(Color color) override;
    void SetPenWidth(int width) override;
    void SetBrushColor(Color color) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void Draw(int x, int y, const Bitmap& bitmap) override;

private:
    QImage& image_;
    QColor pen_{Qt::black};
    int penWidth_ = 1;
    QColor brush_{Qt::white};
    QPoint position_;
};

/// A skin bitmap: a QImage of the skin's logical size times its device pixel ratio.
class QtSkinImage final : public SkinImage {
public:
    /// Takes the picture; its devicePixelRatio sets the logical size.
    explicit QtSkinImage(QImage image);
    /// Gets the picture from `paint` on first use, so a skin never shown is never painted.
    explicit QtSkinImage(std::function<QImage()> paint);
    QtSkinImage(const QtSkinImage&) = delete;
    QtSkinImage& operator=(const QtSkinImage&) = delete;

    int Width() const override;
    int Height() const override;
    Canvas& GetCanvas() override;
    /// The picture as it stands now.
    const QImage& Image() const;
    /// Drops the picture of a lazily painted image: the next use paints it again.
    void Unpaint();

private:
    std::function<QImage()> paint_;
    mutable QImage image_;
    QtCanvas canvas_;
};

} // namespace stormbell

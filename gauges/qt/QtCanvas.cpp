#include "gauges/qt/QtCanvas.h"

#include <QPainter>
#include <QPen>

#include <cmath>
#include <stdexcept>
#include <utility>

namespace stormbell {

namespace {

// Integer coordinates name pixel centres, as on a Windows device context.
constexpr qreal kPixelCentre = 0.5;

void Prepare(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.translate(kPixelCentre, kPixelCentre);
}

} // namespace

QColor ToQColor(Color color) {
    return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

QtCanvas::QtCanvas(QImage& image) : image_(image) {}

void QtCanvas::SetPenColor(Color color) {
    pen_ = ToQColor(color);
}

void QtCanvas::SetPenWidth(int width) {
    if (width < 0)
        throw std::invalid_argument("pen width " + std::to_string(width) + " is negative");
    // Width 0 and 1 are the same thinnest pen.
    penWidth_ = width == 0 ? 1 : width;
}

void QtCanvas::SetBrushColor(Color color) {
    brush_ = ToQColor(color);
}

void QtCanvas::MoveTo(int x, int y) {
    position_ = QPoint(x, y);
}

void QtCanvas::LineTo(int x, int y) {
    QPainter painter(&image_);
    Prepare(painter);
    painter.setPen(QPen(pen_, penWidth_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(position_, QPoint(x, y));
    position_ = QPoint(x, y);
}

void QtCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    QPainter painter(&image_);
    Prepare(painter);
    painter.setPen(QPen(pen_, penWidth_));
    painter.setBrush(brush_);
    // The last column and row are outside; the outline runs through the outermost pixel centres.
    painter.drawEllipse(QRectF(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

void QtCanvas::Draw(int x, int y, const Bitmap& bitmap) {
    const auto* skin = dynamic_cast<const QtSkinImage*>(&bitmap);
    if (skin == nullptr)
        throw std::invalid_argument("a Qt canvas draws only Qt skin images");
    QPainter painter(&image_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(x, y), skin->Image());
}

QtSkinImage::QtSkinImage(QImage image) : image_(std::move(image)), canvas_(image_) {}

QtSkinImage::QtSkinImage(std::function<QImage()> paint)
    : paint_(std::move(paint)), canvas_(image_) {}

const QImage& QtSkinImage::Image() const {
    if (paint_ && image_.isNull())
        image_ = paint_();
    return image_;
}

void QtSkinImage::Unpaint() {
    if (paint_)
        image_ = QImage();
}

int QtSkinImage::Width() const {
    return static_cast<int>(std::lround(Image().width() / Image().devicePixelRatio()));
}

int QtSkinImage::Height() const {
    return static_cast<int>(std::lround(Image().height() / Image().devicePixelRatio()));
}

Canvas& QtSkinImage::GetCanvas() {
    Image();
    return canvas_;
}

} // namespace stormbell

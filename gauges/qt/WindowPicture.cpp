#include "gauges/qt/WindowPicture.h"

#include "gauges/Colors.h"
#include "gauges/WindowLayout.h"
#include "gauges/qt/QtCanvas.h"

#include <QPainter>
#include <QPainterPath>

namespace stormbell {

namespace {

constexpr int kWindowWidth = layout::kClientWidth;
constexpr int kWindowHeight = layout::kClientHeight;
constexpr int kImageWidth = layout::kSkin.Width;
constexpr double kCornerRadius = layout::kCornerEllipse / 2.0;

} // namespace

QImage WindowPicture(const QImage& skin, double scale) {
    QImage out(static_cast<int>(kWindowWidth * scale), static_cast<int>(kWindowHeight * scale),
               QImage::Format_ARGB32_Premultiplied);
    out.setDevicePixelRatio(scale);
    out.fill(Qt::transparent);
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath region;
    region.addRoundedRect(QRectF(0, 0, kWindowWidth, kWindowHeight), kCornerRadius, kCornerRadius);
    p.setClipPath(region);
    p.fillRect(QRectF(0, 0, kWindowWidth, kWindowHeight), ToQColor(colors::kSkinBackground));
    p.drawImage(QRectF(0, 0, kImageWidth, kWindowHeight), skin,
                QRectF(0, 0, kImageWidth * scale, kWindowHeight * scale));
    return out;
}

} // namespace stormbell

#include "tools/icon/IconArt.h"

#include "gauges/Colors.h"
#include "gauges/qt/QtCanvas.h"
#include "gauges/qt/SkinPalette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace stormbell {

namespace {

// Proportions of the icon's side. Strokes also have a floor in pixels: below it a line fades
// into the face at 16 x 16.
constexpr double kCornerRadius = 0.22;
constexpr double kBezelRadius = 0.45;
constexpr double kBezelWidth = 0.09;
constexpr double kMinBezelPixels = 1.6;
constexpr double kNeedleLength = 0.30;
constexpr double kNeedleWidth = 0.045;
constexpr double kMinNeedlePixels = 1.6;
constexpr double kHubRadius = 0.05;
constexpr double kMinHubPixels = 1.5;
constexpr double kTickInner = 0.26;
constexpr double kTickWidth = 0.018;
constexpr double kMinTickPixels = 1.2;
constexpr double kBandWidth = 0.04;

// The dial's scale spans 270 degrees with its gap at the bottom, like the skin's large dials;
// angles are in degrees clockwise from twelve o'clock.
constexpr double kScaleStart = -135;
constexpr double kScaleSweep = 270;
constexpr int kMajorTicks = 7;
constexpr double kHotBandFrom = 0.72; // the hot band's start, as a fraction of the scale
constexpr double kNeedleAt = 0.62;

// Ticks and the hot band only where they have room to be read.
constexpr int kMinTickSize = 48;
constexpr int kMinBandSize = 24;
constexpr int kMinSize = 16;

QPointF Polar(QPointF centre, double degrees, double radius) {
    const double a = degrees * std::numbers::pi / 180;
    return centre + QPointF(radius * std::sin(a), -radius * std::cos(a));
}

double ScaleAngle(double fraction) {
    return kScaleStart + kScaleSweep * fraction;
}

void PaintBackground(QPainter& p, double side) {
    QLinearGradient shade(0, 0, side, side);
    shade.setColorAt(0, kPalette.PlateLight);
    shade.setColorAt(1, ToQColor(colors::kSkinBackground));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawRoundedRect(QRectF(0, 0, side, side), side * kCornerRadius, side * kCornerRadius);
}

void PaintBezelAndFace(QPainter& p, QPointF c, double bezel, double face) {
    QLinearGradient ring(c - QPointF(bezel, bezel), c + QPointF(bezel, bezel));
    ring.setColorAt(0, kPalette.BezelLight);
    ring.setColorAt(0.5, kPalette.BezelMid);
    ring.setColorAt(1, kPalette.BezelDark);
    p.setPen(Qt::NoPen);
    p.setBrush(ring);
    p.drawEllipse(c, bezel, bezel);

    QRadialGradient shade(c - QPointF(face / 4, face / 4), face * 1.2);
    shade.setColorAt(0, kPalette.FaceCentre);
    shade.setColorAt(1, kPalette.FaceEdge);
    p.setBrush(shade);
    p.drawEllipse(c, face, face);
}

void PaintScale(QPainter& p, QPointF c, double side, double face) {
    if (side >= kMinBandSize) {
        const double radius = face - side * kBandWidth;
        const QRectF arc(c - QPointF(radius, radius), c + QPointF(radius, radius));
        // drawArc counts sixteenths of a degree anticlockwise from three o'clock.
        const double from = 90 - ScaleAngle(kHotBandFrom);
        const double span = -(ScaleAngle(1) - ScaleAngle(kHotBandFrom));
        p.setPen(QPen(kPalette.Hot, side * kBandWidth * 1.5, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(arc, static_cast<int>(from * 16), static_cast<int>(span * 16));
    }
    if (side < kMinTickSize)
        return;
    p.setPen(QPen(kPalette.Ink, std::max(kMinTickPixels, side * kTickWidth), Qt::SolidLine,
                  Qt::FlatCap));
    for (int i = 0; i < kMajorTicks; ++i) {
        const double angle = ScaleAngle(static_cast<double>(i) / (kMajorTicks - 1));
        p.drawLine(Polar(c, angle, side * kTickInner), Polar(c, angle, face - side * 0.02));
    }
}

void PaintNeedle(QPainter& p, QPointF c, double side) {
    const QColor ink = ToQColor(colors::kNeedle);
    const double width = std::max(kMinNeedlePixels, side * kNeedleWidth);
    p.setPen(QPen(ink, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, Polar(c, ScaleAngle(kNeedleAt), side * kNeedleLength));
    p.setPen(Qt::NoPen);
    p.setBrush(kPalette.Ink);
    const double hub = std::max(kMinHubPixels, side * kHubRadius);
    p.drawEllipse(c, hub, hub);
}

} // namespace

QImage PaintIcon(int size) {
    if (size < kMinSize)
        throw std::invalid_argument("icon size must be 16 pixels or more");
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);

    const double side = size;
    const QPointF centre(side / 2, side / 2);
    const double bezel = side * kBezelRadius;
    const double face = bezel - std::max(kMinBezelPixels, side * kBezelWidth);
    PaintBackground(p, side);
    PaintBezelAndFace(p, centre, bezel, face);
    PaintScale(p, centre, side, face);
    PaintNeedle(p, centre, side);
    return image;
}

} // namespace stormbell

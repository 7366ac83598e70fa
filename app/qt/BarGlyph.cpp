#include "app/qt/BarGlyph.h"

#include "gauges/WindowLayout.h"
#include "gauges/qt/QtCanvas.h"

#include <QPainter>

namespace stormbell {

namespace {

constexpr int kWidth = layout::kUpdateButton.Width;
constexpr int kHeight = layout::kUpdateButton.Height;
const QColor kLight{255, 255, 255};
const QColor kSilver{192, 192, 192};
const QColor kShade{128, 128, 128};

void PaintGlyph(QPainter& p, int left, const QColor& bar, bool sunken) {
    const QColor& topLeft = sunken ? kShade : kLight;
    const QColor& bottomRight = sunken ? kLight : kShade;
    const int right = left + kWidth - 1;
    const int bottom = kHeight - 1;
    p.fillRect(left, 0, kWidth, kHeight, bar);
    p.fillRect(left, 0, kWidth, 1, topLeft);
    p.fillRect(left, 0, 1, kHeight, topLeft);
    p.fillRect(left, bottom, kWidth, 1, bottomRight);
    p.fillRect(right, 0, 1, kHeight, bottomRight);
    // Where the light and the shade meet, the bevel is silver.
    p.fillRect(right, 0, 1, 1, kSilver);
    p.fillRect(left, bottom, 1, 1, kSilver);
}

} // namespace

QImage BarGlyphStrip(Color bright, Color dark) {
    QImage strip(kWidth * 4, kHeight, QImage::Format_RGB32);
    QPainter p(&strip);
    PaintGlyph(p, GlyphRect(GlyphState::Up).left(), ToQColor(bright), false);
    PaintGlyph(p, GlyphRect(GlyphState::Disabled).left(), ToQColor(bright), false);
    PaintGlyph(p, GlyphRect(GlyphState::Pressed).left(), ToQColor(dark), true);
    PaintGlyph(p, GlyphRect(GlyphState::HeldDown).left(), ToQColor(dark), true);
    return strip;
}

QRect GlyphRect(GlyphState state) {
    return {static_cast<int>(state) * kWidth, 0, kWidth, kHeight};
}

} // namespace stormbell

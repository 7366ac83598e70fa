// Paints the English and Metric skins: five dials whose printed marks come from the same
// geometry table as the needles.
#pragma once

#include "gauges/ScaleMarks.h"

#include <QImage>
#include <QPointF>

namespace stormbell {

enum class SkinKind { English, Metric };

/// The whole skin, 475 x 257 logical pixels, at `devicePixelRatio` (1 or more; below 1 throws
/// std::invalid_argument).
QImage PaintSkin(SkinKind kind, qreal devicePixelRatio);

/// Letters `line` over the "WEATHER STATION" caption of a painted skin, in the skin's lettering,
/// capitals at least 7 logical pixels high. A line too long for the space is lettered narrower,
/// down to four fifths, as a translation's words are often longer; what still does not fit is
/// elided.
void PaintStationLine(QImage& skin, const QString& line);

/// Logical position at `radius` from the dial's centre in the direction its needle takes for
/// `value`; the centre is the middle of the needle's centre pixel.
QPointF DialPoint(const GaugeGeometry& gauge, double value, double radius);

/// Radii of a dial's marks: the major marks span [inner, outer], the minor ones end at outer.
struct DialRadii {
    double Face;          ///< printed face inside the bezel
    double Bezel;         ///< outer edge of the bezel ring
    double MajorInner;    ///< inner end of the numbered marks
    double MinorInner;    ///< inner end of the short marks
    double Outer;         ///< outer end of every mark
    double Numerals;      ///< centre line of the numerals
    double FontPixels;    ///< numeral height
    double Caption;       ///< distance of the unit caption below the centre
    double CaptionPixels; ///< unit caption height
};

/// The radii used for the dial of `gauge` (the three large dials share one set, the two
/// small ones another).
DialRadii RadiiFor(const GaugeGeometry& gauge);

} // namespace stormbell

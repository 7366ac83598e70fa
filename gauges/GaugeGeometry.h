// Where every needle sits and how a shown value becomes its angle: the one geometry table.
#pragma once

#include "gauges/WindowLayout.h"

namespace stormbell {

/// A pixel position on the skin, x to the right, y downward.
struct Point {
    int X = 0;
    int Y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

/// A rectangle given by its corners; right and bottom are exclusive.
struct Rect {
    int X1 = 0;
    int Y1 = 0;
    int X2 = 0;
    int Y2 = 0;
};

/// Which way angle 0 points; both kinds turn clockwise on screen as the angle grows.
enum class Orientation { BottomZero, TopZero };

/// One needle: centre, length, counter-tail and the linear map from value to angle,
/// angle = 2π·(value + Offset) / UnitsPerTurn.
struct GaugeGeometry {
    Point Centre;
    int Length = 0;
    int Tail = 0; ///< 0 when the needle has no tail
    Orientation Zero = Orientation::BottomZero;
    double Offset = 0;
    double UnitsPerTurn = 1;

    /// The needle's angle in radians for a shown value; several turns simply wrap. A value a
    /// billion turns or more from zero (or no number at all) gives 0, the dial's zero.
    double Angle(double value) const;
    /// Where the needle points for a shown value, in turns clockwise from the top, in [0, 1).
    double TurnsFromTop(double value) const;
    /// The value of the dial's first turn (from -Offset up) whose needle points `turns` from the
    /// top: how one needle reads where another points.
    double ValueAt(double turnsFromTop) const;
    /// Unit vector along the needle for an angle, in skin coordinates.
    void Direction(double angle, double& dx, double& dy) const;
    /// Tip at the needle's length; each coordinate rounded half to even.
    Point Tip(double angle) const;
    /// Tail point on the opposite side at the tail length; rounded like Tip.
    Point TailPoint(double angle) const;
};

namespace gauge {
inline constexpr GaugeGeometry kTemperature{{84, 78}, 45, 11, Orientation::BottomZero, 64, 228};
inline constexpr GaugeGeometry kHotCold{{84, 78}, 42, 0, Orientation::BottomZero, 64, 228};
inline constexpr GaugeGeometry kPressure{{236, 78}, 45, 11, Orientation::BottomZero, -28.0, 4};
inline constexpr GaugeGeometry kReference{{235, 78}, 35, 8, Orientation::TopZero, 0, 100};
inline constexpr GaugeGeometry kHumidity{{386, 78}, 45, 11, Orientation::BottomZero, 20, 140};
inline constexpr GaugeGeometry kWindDirection{{178, 195}, 20, 5, Orientation::TopZero, 0, 360};
inline constexpr GaugeGeometry kWindSpeed{{294, 195}, 20, 5, Orientation::BottomZero, 0, 48};

inline constexpr int kNeedleWidth = 2; ///< every needle and the reference hand
inline constexpr int kTailWidth = 3;   ///< the counter-tails of the three large dials
inline constexpr int kGustWidth = 1;   ///< the gust tell-tale on the speed dial
inline constexpr int kHubPenWidth = 0; ///< thinnest pen round the hub discs

inline constexpr Rect kHubOuter{layout::kAltimeterHub.Left, layout::kAltimeterHub.Top,
                                layout::kAltimeterHub.Left + layout::kAltimeterHub.Width,
                                layout::kAltimeterHub.Top +
                                    layout::kAltimeterHub.Height}; ///< the hub disc
inline constexpr Rect kHubInner{230, 73, 241, 84};                 ///< 11-pixel disc on top of it
inline constexpr Rect kVariableWind{168, 185, 188, 205};           ///< disc shown for "VRB"

// The skin is painted over the whole client width; the window shows the images' width of it.
inline constexpr int kSkinWidth = layout::kClientWidth;
inline constexpr int kSkinHeight = layout::kSkin.Height;
} // namespace gauge

} // namespace stormbell

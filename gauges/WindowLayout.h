// Where the main window's parts sit, in client pixels: the one table that the skin art, the
// renderer and the window itself read.
#pragma once

#include "gauges/Colors.h"

namespace stormbell::layout {

/// A control's place: left, top, width and height, relative to its parent.
struct Bounds {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

inline constexpr int kClientWidth = 475;   ///< the window's client area
inline constexpr int kClientHeight = 256;  ///< the window's client area
inline constexpr int kCornerEllipse = 130; ///< width and height of the region's corner ellipse

/// Each of the four skins: one pixel taller than the client area and two pixels narrower, so
/// a column of background shows at the right edge.
inline constexpr Bounds kSkin{0, 0, 473, 257};

inline constexpr Bounds kGreenLamp{230, 171, 17, 17};   ///< body of the green lamp
inline constexpr Bounds kRedLamp{230, 203, 17, 17};     ///< body of the red lamp
inline constexpr Bounds kRedLampDot{236, 210, 4, 4};    ///< highlight dot of the red lamp
inline constexpr Bounds kGreenLampDot{236, 177, 4, 4};  ///< highlight dot of the green lamp
inline constexpr Bounds kAltimeterHub{227, 70, 17, 17}; ///< the altimeter hub

/// The station line's band under the nameplate, between the speed dial's bezel and the corner.
inline constexpr Bounds kStationLine{337, 219, 107, 14};

inline constexpr Bounds kBarPanel{361, 183, 58, 22}; ///< the sunken panel holding the bar buttons
inline constexpr int kBarPanelBevel = 2;
inline constexpr Color kBarPanelColor = 0x40;

// The bar buttons, inside the bar panel.
inline constexpr Bounds kUpdateButton{4, 4, 24, 6};    ///< update now
inline constexpr Bounds kOptionsButton{30, 4, 24, 6};  ///< options
inline constexpr Bounds kMinimiseButton{4, 12, 24, 6}; ///< minimise
inline constexpr Bounds kExitButton{30, 12, 24, 6};    ///< save and exit

} // namespace stormbell::layout

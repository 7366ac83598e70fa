// The printed scales of both skins, expressed in the values the needles are driven by, so
// the art puts every mark at the angle the needle takes for it.
#pragma once

#include "gauges/GaugeGeometry.h"

#include <string>
#include <vector>

namespace stormbell {

/// A numbered (or lettered) major mark: the needle value it stands at and its text.
struct ScaleLabel {
    double Value = 0;
    std::string Text;
};

/// One dial of a skin: its needle geometry, major marks, minor marks and unit caption.
struct DialScale {
    GaugeGeometry Gauge;
    std::vector<ScaleLabel> Labels;
    std::vector<double> MinorTicks; ///< needle values of the short marks
    std::string Unit;               ///< UTF-8 caption printed on the dial
};

/// The five dials of the English skin (metric false) or the Metric skin (metric true), in the
/// order thermometer, altimeter, hygrometer, compass, speed dial.
std::vector<DialScale> PrintedScales(bool metric);

} // namespace stormbell

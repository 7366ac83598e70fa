// The four skin images painted at one device pixel ratio, with the needles that draw on them.
#pragma once

#include "gauges/Gauges.h"
#include "gauges/qt/QtCanvas.h"

#include <QImage>

#include <functional>

namespace stormbell {

class GaugeFace {
public:
    /// Paints both skins once at `devicePixelRatio` (clean copies included) and binds the
    /// needles to `observation`; `repaint` runs after every PresentFrame.
    GaugeFace(Observation& observation, qreal devicePixelRatio, std::function<void()> repaint = {});
    GaugeFace(const GaugeFace&) = delete;
    GaugeFace& operator=(const GaugeFace&) = delete;

    /// The needle procedures, reference hand and hub clicks.
    Gauges& GetGauges() { return gauges_; }
    /// The skin the display mode shows now (Image1 for "0", else Image3), needles included.
    const QImage& Visible() const;

private:
    Observation& observation_;
    QtSkinImage image1_;
    QtSkinImage image2_;
    QtSkinImage image3_;
    QtSkinImage image4_;
    Skins skins_;
    Gauges gauges_;
};

} // namespace stormbell

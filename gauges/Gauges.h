// The six needle procedures, the altimeter's reference hand and its hub clicks, drawn on the
// skin that the display mode selects.
#pragma once

#include "gauges/Colors.h"
#include "gauges/GaugeGeometry.h"
#include "gauges/Skins.h"
#include "observation/FramePresenter.h"
#include "observation/Observation.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace stormbell {

/// The mouse button of a click on the altimeter hub.
enum class MouseButton { Left, Right, Middle };

class Gauges final : public FramePresenter {
public:
    /// Draws the shown values of `observation` on `skins`; `repaint` makes the visible skin
    /// show at once (used by PresentFrame only).
    Gauges(Observation& observation, Skins skins, std::function<void()> repaint);

    Color NeedleColor = colors::kNeedle;      ///< pen of the ordinary needles
    std::uint16_t PressSet = rest::kPressSet; ///< reference hand position, hundredths of a turn
    std::uint16_t StoredPressSet = rest::kPressSet; ///< PressSet as saved, follows it on every draw
    /// The reading is in doubt (stale, or the last update failed): every needle but the
    /// reference hand is drawn a shade dimmer.
    bool Dimmed = false;
    /// The report's gust speed in knots: a thin red hand on the speed dial; none without gusts.
    std::optional<int> GustKnots;

    /// Temperature needle and tail from OTemp.
    void UpdateTemperature();
    /// Wind-chill (NewTemp <= 50) or heat-index (NewTemp >= 70) needle; nothing in between.
    void UpdateHotCold();
    /// Pressure needle from OPresInfo, the reference hand and the hub discs; leaves the brush
    /// at the reference colour. Throws EConvertError before drawing when OPresInfo is no number.
    void UpdatePressure();
    /// Humidity needle and tail from OHumd.
    void UpdateHumidity();
    /// Direction pointer from OWDInfo, or the variable-wind disc for "VRB" (which also makes
    /// NewWDInfo "VRB"). Throws EConvertError before drawing when the text is no integer.
    void UpdateWindDirection();
    /// The gust hand, when GustKnots, then the speed needle from OWSInfo. Throws EConvertError
    /// before drawing when it is no integer.
    void UpdateWindSpeed();

    /// Restores the active skin, draws the reference hand alone and stores its position.
    void UpdatePressSet();
    /// Hub click: left turns the hand one step clockwise, right one step back (wrapping within
    /// 1..100), middle only redraws; then the six needles. Needle errors leave through here.
    void HubPressed(MouseButton button);

    /// Copies the clean copy of the active skin over it, wiping every needle.
    void RestoreSkin();
    /// The six needle procedures in their fixed order; stops at the first conversion error.
    void DrawNeedles();
    /// RestoreSkin, then DrawNeedles.
    void FullRedraw();
    /// FullRedraw, then the repaint callback.
    void PresentFrame() override;

private:
    ActiveSkin Active() const;
    /// A needle's pen colour as the reading's doubt has it.
    Color Pen(Color color) const { return Dimmed ? stormbell::Dimmed(color) : color; }
    void DrawReferenceHand(Canvas& canvas) const;
    void DrawNeedleWithTail(Canvas& canvas, const GaugeGeometry& gauge, double value) const;
    void DrawStroke(Canvas& canvas, const GaugeGeometry& gauge, double value) const;

    Observation& observation_;
    Skins skins_;
    std::function<void()> repaint_;
};

} // namespace stormbell

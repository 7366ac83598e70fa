// The six needle procedures, the altimeter's reference hand and its hub clicks, drawn on the
// skin that the display mode selects.
#pragma once

#include "gauges/Colors.h"
#include "gauges/GaugeGeometry.h"
#include "gauges/Skins.h"
#include "observation/FramePresenter.h"
#include "observation/Observation.h"

#include <bitset>
#include <cstdint>
#include <functional>
#include <optional>

namespace stormbell {

/// The mouse button of a click on the altimeter hub.
enum class MouseButton { Left, Right, Middle };

/// The needles, each of which can be drawn dimmed.
enum class Needle { HotCold, Temperature, Pressure, Humidity, WindDirection, WindSpeed, Count };

/// A set of needles, indexed by Needle.
using NeedleSet = std::bitset<static_cast<std::size_t>(Needle::Count)>;

/// The set holding `needle` alone.
NeedleSet Only(Needle needle);

/// The needles that rest for want of a value: those of the quantities `observation`'s report
/// did not state, and of the values derived from them; the hot/cold needle when the one its
/// target temperature chooses is not reported.
NeedleSet UnreportedNeedles(const Observation& observation);

/// The reference hand's position (1..100) nearest to where the pressure needle points for
/// `pressure` inHg: the one the hand would read as that pressure.
std::uint16_t NearestReferenceStep(double pressure);

class Gauges final : public FramePresenter {
public:
    /// Draws the shown values of `observation` on `skins`; `repaint` makes the visible skin
    /// show at once (used by PresentFrame only).
    Gauges(Observation& observation, Skins skins, std::function<void()> repaint);

    Color NeedleColor = colors::kNeedle;      ///< pen of the ordinary needles
    std::uint16_t PressSet = rest::kPressSet; ///< reference hand position, hundredths of a turn
    std::uint16_t StoredPressSet = rest::kPressSet; ///< PressSet as saved, follows it on every draw
    NeedleSet Unreported; ///< needles drawn faded: no reading stands behind them
    /// The reading is in doubt (stale, or the last update failed): every needle but the
    /// reference hand is drawn a shade dimmer.
    bool Dimmed = false;
    /// The report's gust speed in knots: a thin red hand on the speed dial; none without gusts.
    std::optional<int> GustKnots;

    /// Temperature needle and tail from the shown temperature.
    void UpdateTemperature();
    /// Wind-chill (target temperature <= 50) or heat-index (>= 70) needle; nothing in between.
    void UpdateHotCold();
    /// Pressure needle, the reference hand and the hub discs; leaves the brush at the reference
    /// colour.
    void UpdatePressure();
    /// Humidity needle and tail from the shown humidity.
    void UpdateHumidity();
    /// Direction pointer, or the variable-wind disc for a variable wind (which also makes the
    /// target direction variable).
    void UpdateWindDirection();
    /// The gust hand, when GustKnots, then the speed needle.
    void UpdateWindSpeed();

    /// Restores the active skin, draws the reference hand alone and stores its position.
    void UpdatePressSet();
    /// Hub click: left turns the hand one step clockwise, right one step back (wrapping within
    /// 1..100), middle only redraws; then the six needles.
    void HubPressed(MouseButton button);
    /// Turns the hand to NearestReferenceStep of the shown pressure, as a barometer's owner sets
    /// it each morning; then the six needles.
    void SetReferenceToPressure();

    /// Copies the clean copy of the active skin over it, wiping every needle.
    void RestoreSkin();
    /// The six needle procedures in their fixed order.
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
    /// `color`, faded when `needle` is unreported, else as Pen.
    Color PenFor(Needle needle, Color color) const;
    void DrawNeedleWithTail(Canvas& canvas, Needle needle, const GaugeGeometry& gauge,
                            double value) const;
    void DrawStroke(Canvas& canvas, const GaugeGeometry& gauge, double value) const;

    Observation& observation_;
    Skins skins_;
    std::function<void()> repaint_;
};

} // namespace stormbell

// The gauge's face in the window: the skin the display mode shows, the needles drawn on it, and
// the station line, dimming and gust hand as the shown reading has them.
#pragma once

#include <QtGlobal>

#include <functional>

class QWidget;

namespace stormbell {

class Clock;
class GaugeFace;
class Gauges;
class StationLineLabel;
struct Observation;
struct ReadingContext;
struct WindowParts;

class WindowFace {
public:
    /// Shows `face` on the skin views of `parts`, with `observation`'s display mode; the station
    /// line is told to a screen reader by a label on `window`. `redrawn` runs after every redraw.
    /// All must outlive this.
    WindowFace(QWidget& window, GaugeFace& face, const WindowParts& parts,
               const Observation& observation, std::function<void()> redrawn);

    /// The needles and the reference hand.
    Gauges& GetGauges() const;
    /// Shows the skin of the display mode, hides the other. Never throws.
    void ShowSkin();
    /// Paints the shown skin again at once. Never throws.
    void Repaint();
    /// The needles and the reference hand drawn again on the shown skin, painted; throws what
    /// drawing throws.
    void Redraw();
    /// The station line, the needles' dimming and the gust hand as `context` has them at
    /// `clock`'s time; true when any of them changed, and the face then wants Redraw.
    bool ApplyStatus(const ReadingContext& context, const Clock& clock);
    /// One sweep frame, painted at once; throws what drawing throws.
    void PresentFrame();
    /// The skins painted at `devicePixelRatio`; with `needles` they are drawn on them again,
    /// without the skins show as painted.
    void Rescale(qreal devicePixelRatio, bool needles);

private:
    GaugeFace& face_;
    const WindowParts& parts_;
    const Observation& observation_;
    std::function<void()> redrawn_;
    StationLineLabel* stationLine_;
};

} // namespace stormbell

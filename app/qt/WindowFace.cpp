#include "app/qt/WindowFace.h"

#include "app/qt/SkinView.h"
#include "app/qt/StationLineLabel.h"
#include "app/qt/WindowParts.h"
#include "gauges/FaceStatus.h"
#include "gauges/qt/GaugeFace.h"
#include "observation/ReadingContext.h"
#include "platform/qt/QtWording.h"

#include <utility>

namespace stormbell {

WindowFace::WindowFace(QWidget& window, GaugeFace& face, const WindowParts& parts,
                       const Observation& observation, std::function<void()> redrawn)
    : face_(face), parts_(parts), observation_(observation), redrawn_(std::move(redrawn)),
      stationLine_(new StationLineLabel(window)) {
    ShowSkin();
}

Gauges& WindowFace::GetGauges() const {
    return face_.GetGauges();
}

void WindowFace::ShowSkin() {
    const bool english = observation_.DisplayMode == DisplayMode::English;
    parts_.EnglishSkin->setVisible(english);
    parts_.MetricSkin->setVisible(!english);
}

void WindowFace::Repaint() {
    (parts_.EnglishSkin->isHidden() ? parts_.MetricSkin : parts_.EnglishSkin)->repaint();
}

void WindowFace::Redraw() {
    Gauges& gauges = GetGauges();
    gauges.Unreported = UnreportedNeedles(observation_);
    gauges.UpdatePressSet();
    gauges.DrawNeedles();
    Repaint();
    redrawn_();
}

bool WindowFace::ApplyStatus(const ReadingContext& context, const Clock& clock) {
    const FaceStatus status = DescribeFaceStatus(context, clock, QtWording());
    stationLine_->SetLine(status.StationLine);
    const std::optional<int> gust =
        context.Figures.Wind ? context.Figures.Wind->GustKnots : std::nullopt;
    Gauges& gauges = GetGauges();
    bool changed = face_.SetStationLine(status.StationLine);
    changed = changed || gauges.Dimmed != status.Doubtful || gauges.GustKnots != gust;
    gauges.Dimmed = status.Doubtful;
    gauges.GustKnots = gust;
    return changed;
}

void WindowFace::PresentFrame() {
    GetGauges().Unreported = UnreportedNeedles(observation_);
    GetGauges().PresentFrame();
}

void WindowFace::Rescale(qreal devicePixelRatio, bool needles) {
    face_.Rescale(devicePixelRatio);
    if (needles)
        Redraw();
    else
        Repaint();
}

} // namespace stormbell

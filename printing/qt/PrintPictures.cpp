#include "printing/qt/PrintPictures.h"

#include "gauges/qt/GaugeFace.h"
#include "gauges/qt/WindowPicture.h"

#include <utility>

namespace stormbell {

QImage FacePicture(const FaceLook& look, double scale) {
    // A face of its own, so the picture never waits for a sweep the window may be in.
    Observation shown = look.Shown;
    GaugeFace face(shown, scale);
    face.SetStationLine(look.StationLine);
    Gauges& gauges = face.GetGauges();
    gauges.PressSet = look.PressSet;
    gauges.Dimmed = look.Dimmed;
    gauges.GustKnots = look.GustKnots;
    gauges.UpdatePressSet();
    gauges.DrawNeedles();
    return WindowPicture(face.Visible(), scale);
}

QImage ChartPicture(std::vector<HistoryReading> readings, const ChartFrame& frame,
                    const Clock& clock, double scale) {
    HistoryChart chart(clock);
    chart.Show(std::move(readings), frame);
    chart.resize(chart.sizeHint());
    QImage picture(chart.size() * scale, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(scale);
    picture.fill(Qt::white);
    chart.render(&picture);
    return picture;
}

} // namespace stormbell

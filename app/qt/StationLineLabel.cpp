#include "app/qt/StationLineLabel.h"

#include "gauges/WindowLayout.h"

namespace stormbell {

StationLineLabel::StationLineLabel(QWidget& window) : QLabel(&window) {
    setObjectName("stationLine");
    const layout::Bounds& band = layout::kStationLine;
    setGeometry(band.Left, band.Top, band.Width, band.Height);
    // The skin paints the line at its own scale; this label only names it, so drags, clicks and
    // tooltips reach the skin beneath.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void StationLineLabel::SetLine(const std::string& line) {
    // Setting the name sends the change to a listening screen reader.
    setAccessibleName(QString::fromStdString(line));
}

} // namespace stormbell

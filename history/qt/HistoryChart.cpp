// The history chart widget: the readings it holds, and the one read out, chosen by the pointer
// or the keys, told to assistive technology.
#include "history/qt/HistoryChart.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>
#include <cmath>

#include "history/qt/HistoryChartParts.h"

namespace stormbell {

using namespace chart;
using std::chrono::sys_seconds;

HistoryChart::HistoryChart(const Clock& clock, QWidget* parent) : QWidget(parent), clock_(clock) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(480, 320);
    setObjectName("HistoryChart");
    setAccessibleName(tr("History graphs"));
}

void HistoryChart::Show(std::vector<HistoryReading> readings, const ChartFrame& frame) {
    readings_ = std::move(readings);
    frame_ = frame;
    Hover(std::nullopt);
}

void HistoryChart::Hover(std::optional<std::size_t> index) {
    hovered_ = index;
    // A screen reader hears the figures under the line as the description changes.
    setAccessibleDescription(index ? ReadOutText() : tr("Left and Right move along the readings"));
    update();
}

QString HistoryChart::ReadOutText() const {
    const HistoryReading* reading = Hovered();
    return reading != nullptr ? ReadOut(*reading) : QString();
}

double HistoryChart::XOf(sys_seconds time) const {
    const double span = static_cast<double>((frame_.To - frame_.From).count());
    const double plotWidth = width() - kLeft - kRight;
    return kLeft +
           plotWidth * static_cast<double>((time - frame_.From).count()) / std::max(span, 1.0);
}

void HistoryChart::HoverAt(int x) {
    std::optional<std::size_t> nearest;
    double best = 0;
    for (std::size_t i = 0; i < readings_.size(); ++i) {
        const double distance = std::fabs(XOf(readings_[i].Observed) - x);
        if (!nearest || distance < best) {
            nearest = i;
            best = distance;
        }
    }
    if (nearest != hovered_)
        Hover(nearest);
}

void HistoryChart::keyPressEvent(QKeyEvent* event) {
    if (readings_.empty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    const std::size_t last = readings_.size() - 1;
    switch (event->key()) {
    case Qt::Key_Left:
        Hover(hovered_ ? (*hovered_ > 0 ? *hovered_ - 1 : 0) : last);
        break;
    case Qt::Key_Right:
        Hover(hovered_ ? std::min(*hovered_ + 1, last) : 0);
        break;
    case Qt::Key_Home:
        Hover(0);
        break;
    case Qt::Key_End:
        Hover(last);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

const HistoryReading* HistoryChart::Hovered() const {
    return hovered_ ? &readings_[*hovered_] : nullptr;
}

void HistoryChart::mouseMoveEvent(QMouseEvent* event) {
    HoverAt(static_cast<int>(event->position().x()));
}

void HistoryChart::leaveEvent(QEvent*) {
    // The keyboard's cursor stays while the chart has the focus.
    if (!hasFocus())
        Hover(std::nullopt);
}

QString HistoryChart::ReadOut(const HistoryReading& reading) const {
    const std::tm local = clock_.Local(reading.Observed);
    QStringList lines{DayLabel(local) + " " + TimeLabel(local) + "  " +
                      QString::fromStdString(reading.Station)};
    const QString degrees = frame_.Metric ? "°C" : "°F";
    if (const auto t = Temperature(reading.TemperatureC, frame_.Metric))
        lines << tr("Temperature %1 %2").arg(Localised(*t, 1), degrees);
    if (const auto d = Temperature(reading.DewPointC, frame_.Metric))
        lines << tr("Dew point %1 %2").arg(Localised(*d, 1), degrees);
    if (reading.RelativeHumidity)
        lines << tr("Humidity %1 %").arg(*reading.RelativeHumidity);
    if (const auto p = Pressure(reading.PressureHpa, frame_.Metric))
        lines << tr("Pressure %1 %2")
                     .arg(Localised(*p, frame_.Metric ? 1 : 2), frame_.Metric ? "kPa" : "inHg");
    if (reading.WindSpeedKnots) {
        QString wind = tr("Wind %1 knots").arg(*reading.WindSpeedKnots);
        if (reading.WindGustKnots)
            wind += tr(", gusts %1").arg(*reading.WindGustKnots);
        if (reading.WindVariable)
            wind += tr(", variable");
        else if (reading.WindDirection)
            wind += tr(" from %1°").arg(*reading.WindDirection);
        lines << wind;
    }
    return lines.join('\n');
}

} // namespace stormbell

// The history chart's drawing: the time grid, each panel's scale, curves, direction marks and
// legend, and the hover line with its read-out.
#include "history/qt/HistoryChart.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

#include "gauges/qt/SkinPalette.h"
#include "history/ChartScale.h"
#include "history/qt/HistoryChartParts.h"

namespace stormbell {

using namespace chart;
using std::chrono::sys_seconds;

namespace {

constexpr int kPanelGap = 14;
constexpr int kPanels = 4;
constexpr int kMarkSpacing = 16;  // pixels between two wind direction marks
constexpr int kLegendSwatch = 18; // the length of a legend's line sample
constexpr int kLegendGap = 12;    // pixels between two legend entries

// The legend's entries from the right edge of `area`'s top line leftwards: a line (or a dot)
// in each curve's colour before its name, and the reference's dashes when it is drawn.
void DrawLegend(QPainter& p, const QRectF& area, double top, const Panel& panel, bool reference) {
    struct Entry {
        QString Name;
        QPen Pen;
        bool Dot;
    };
    std::vector<Entry> entries;
    for (const auto& series : panel.Lines)
        entries.push_back({series.Name, QPen(series.Colour, 1.6), series.Dots});
    if (reference)
        entries.push_back({HistoryChart::tr("Reference hand"),
                           QPen(kPalette.BezelDark, 1.5, Qt::DashLine), false});
    const QFontMetricsF metrics(p.font());
    double right = area.right() - 6;
    const double y = top + metrics.ascent() / 2 + 1;
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
        const double textWidth = metrics.horizontalAdvance(entry->Name);
        const double left = right - textWidth - kLegendSwatch - 4;
        p.setPen(entry->Pen);
        p.setBrush(entry->Pen.color());
        if (entry->Dot)
            p.drawEllipse(QPointF(left + kLegendSwatch / 2.0, y), 2, 2);
        else
            p.drawLine(QPointF(left, y), QPointF(left + kLegendSwatch, y));
        p.setPen(kPalette.Caption);
        p.drawText(QPointF(left + kLegendSwatch + 4, top + metrics.ascent()), entry->Name);
        right = left - kLegendGap;
    }
    p.setBrush(Qt::NoBrush);
}

QString Number(double value, double step) {
    const int decimals = step >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(step) - 1e-9));
    return Localised(value, decimals);
}

} // namespace

void HistoryChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), kPalette.FaceEdge);
    const std::vector<Panel> panels = Panels(frame_);
    const double plotLeft = kLeft, plotRight = width() - kRight;
    const double panelHeight =
        (height() - kTop - kBottom - (kPanels - 1) * kPanelGap) / double(kPanels);
    const QFontMetrics metrics(font());

    // The time grid: local midnights (and every three hours over a day or less).
    const auto span = frame_.To - frame_.From;
    const int hourStep = span <= std::chrono::hours(24)   ? 3
                         : span <= std::chrono::hours(72) ? 12
                                                          : 24;
    const int labelEvery = span > std::chrono::days(10) ? 5 : 1; // days between day labels
    struct Tick {
        double X;
        QString Label;
    };
    std::vector<Tick> ticks;
    const auto first = std::chrono::floor<std::chrono::minutes>(frame_.From);
    for (auto t = first - first.time_since_epoch() % std::chrono::minutes(30); t <= frame_.To;
         t += std::chrono::minutes(30)) {
        if (t < frame_.From)
            continue;
        const std::tm local = clock_.Local(t);
        if (local.tm_min != 0 || local.tm_hour % hourStep != 0)
            continue;
        QString label;
        if (hourStep < 24)
            label = local.tm_hour == 0 ? DayLabel(local) : TimeLabel(local);
        else if ((local.tm_yday % labelEvery) == 0)
            label = DayLabel(local);
        ticks.push_back({XOf(t), label});
    }

    for (int index = 0; index < kPanels; ++index) {
        const Panel& panel = panels[static_cast<std::size_t>(index)];
        const double top = kTop + index * (panelHeight + kPanelGap);
        const QRectF area(plotLeft, top, plotRight - plotLeft, panelHeight);
        p.setPen(Qt::NoPen);
        p.setBrush(kPalette.FaceCentre);
        p.drawRect(area);

        // The scale comes from the values shown; the reference is drawn only where it falls.
        std::vector<double> values;
        for (const auto& series : panel.Lines)
            for (const auto& reading : readings_)
                if (const auto v = series.Of(reading))
                    values.push_back(*v);
        const ChartScale scale = ScaleFor(values, panel.LeastSpan);
        const double low = scale.Low, high = scale.High, step = scale.Step;
        const bool reference = panel.Reference && !values.empty() && scale.Holds(*panel.Reference);
        const auto yOf = [&](double v) {
            return area.bottom() - (v - low) / (high - low) * area.height();
        };

        p.setPen(QPen(kPalette.FaceEdge, 1));
        for (const auto& tick : ticks)
            p.drawLine(QPointF(tick.X, area.top()), QPointF(tick.X, area.bottom()));
        for (double v = low; v <= high + step / 2; v += step) {
            p.setPen(QPen(kPalette.FaceEdge, 1));
            p.drawLine(QPointF(area.left(), yOf(v)), QPointF(area.right(), yOf(v)));
            if (readings_.empty())
                continue; // no scale without values
            p.setPen(kPalette.Ink);
            p.drawText(QRectF(0, yOf(v) - 8, kLeft - 6, 16), Qt::AlignRight | Qt::AlignVCenter,
                       Number(v, step));
        }
        if (reference) {
            p.setPen(QPen(kPalette.BezelDark, 1.5, Qt::DashLine));
            p.drawLine(QPointF(area.left(), yOf(*panel.Reference)),
                       QPointF(area.right(), yOf(*panel.Reference)));
        }
        for (const auto& series : panel.Lines) {
            p.setPen(QPen(series.Colour, 1.6));
            p.setBrush(series.Colour);
            QPainterPath path;
            std::optional<sys_seconds> last;
            bool open = false;
            for (std::size_t i = 0; i < readings_.size(); ++i) {
                const auto& reading = readings_[i];
                const auto v = series.Of(reading);
                if (!v) {
                    open = false;
                    continue;
                }
                const QPointF point(XOf(reading.Observed), yOf(*v));
                if (series.Dots) {
                    p.drawEllipse(point, 2, 2);
                    continue;
                }
                const bool lonely = (!open || !last || reading.Observed - *last > kChartGap) &&
                                    (i + 1 == readings_.size() || !series.Of(readings_[i + 1]) ||
                                     readings_[i + 1].Observed - reading.Observed > kChartGap);
                if (lonely)
                    p.drawEllipse(point, 1.5, 1.5);
                if (open && last && reading.Observed - *last <= kChartGap)
                    path.lineTo(point);
                else
                    path.moveTo(point);
                open = true;
                last = reading.Observed;
            }
            p.setBrush(Qt::NoBrush);
            p.drawPath(path);
        }
        if (panel.DirectionMarks) {
            // Arrows along the panel's top, pointing where the wind blows to.
            p.setPen(QPen(kPalette.MinorInk, 1.2));
            double lastX = -INFINITY;
            for (const auto& reading : readings_) {
                const double x = XOf(reading.Observed);
                if (x - lastX < kMarkSpacing || (!reading.WindDirection && !reading.WindVariable))
                    continue;
                lastX = x;
                const QPointF centre(x, area.top() + 9);
                if (reading.WindVariable || !reading.WindDirection) {
                    p.drawEllipse(centre, 3, 3);
                    continue;
                }
                const double a = *reading.WindDirection * std::numbers::pi / 180;
                const QPointF along(-std::sin(a) * 6, std::cos(a) * 6); // towards, screen y down
                const QPointF tip = centre + along;
                p.drawLine(centre - along, tip);
                const QPointF side(-along.y() * 0.5, along.x() * 0.5);
                p.drawLine(tip, tip - along * 0.6 + side);
                p.drawLine(tip, tip - along * 0.6 - side);
            }
        }
        p.setPen(QPen(kPalette.MinorInk, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(area);
        const double textTop = area.top() + (panel.DirectionMarks ? 18 : 2);
        p.setPen(kPalette.Caption);
        p.drawText(QRectF(area.left() + 6, textTop, area.width() - 12, area.height()),
                   Qt::AlignLeft | Qt::AlignTop, panel.Title);
        DrawLegend(p, area, textTop, panel, reference);
    }

    p.setPen(kPalette.Ink);
    for (const auto& tick : ticks)
        if (!tick.Label.isEmpty())
            p.drawText(QRectF(tick.X - 40, height() - kBottom + 4, 80, kBottom - 6),
                       Qt::AlignHCenter | Qt::AlignTop, tick.Label);

    if (readings_.empty()) {
        // On a card of its own, so that no panel's frame or grid runs through the words.
        const QString text = tr("No readings in this span");
        QRectF card = metrics.boundingRect(text);
        card.adjust(-10, -6, 10, 6);
        card.moveCenter(QRectF(rect()).center());
        p.setPen(QPen(kPalette.BezelDark, 1));
        p.setBrush(kPalette.BezelLight);
        p.drawRect(card);
        p.setPen(kPalette.Ink);
        p.drawText(card, Qt::AlignCenter, text);
    }
    if (hasFocus()) {
        p.setPen(QPen(kPalette.Caption, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
    }
    if (const HistoryReading* reading = Hovered()) {
        const double x = XOf(reading->Observed);
        p.setPen(QPen(kPalette.BezelDark, 1));
        p.drawLine(QPointF(x, kTop), QPointF(x, height() - kBottom));
        const QString text = ReadOut(*reading);
        QRectF box = metrics.boundingRect(QRect(0, 0, 400, 400), Qt::AlignLeft, text);
        box.adjust(-6, -4, 6, 4);
        box.moveTopLeft(
            QPointF(x + 8 + box.width() > width() ? x - 8 - box.width() : x + 8, kTop + 4));
        p.setPen(QPen(kPalette.BezelDark, 1));
        p.setBrush(kPalette.BezelLight);
        p.drawRect(box);
        p.setPen(kPalette.Ink);
        p.drawText(box.adjusted(6, 4, -6, -4), Qt::AlignLeft | Qt::AlignTop, text);
    }
}

} // namespace stormbell

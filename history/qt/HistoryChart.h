// The history's graphs, drawn with QPainter in the skin's palette: temperature with dew point,
// pressure with the reference hand's value, humidity, and wind speed with gusts and direction
// marks, one above the other over the chosen time span; lines break where no reading came.
// The reading nearest the pointer, or the keyboard's cursor (Left and Right, Home and End), is
// read out beside the hover line and is the chart's accessible description.
#pragma once

#include <QWidget>

#include <chrono>
#include <optional>
#include <vector>

#include "history/HistoryReading.h"
#include "platform/Clock.h"

namespace stormbell {

/// What the graphs show besides the readings.
struct ChartFrame {
    std::chrono::sys_seconds From;      ///< left edge
    std::chrono::sys_seconds To;        ///< right edge
    bool Metric = false;                ///< the metric skin's units: °C and kPa, else °F and inHg
    std::optional<double> ReferenceHpa; ///< the reference hand's value
};

/// Two readings further apart than this have a gap between them.
inline constexpr std::chrono::hours kChartGap{2};

class HistoryChart final : public QWidget {
    Q_OBJECT
public:
    /// Axis times are labelled in `clock`'s local time; the clock must outlive the chart.
    explicit HistoryChart(const Clock& clock, QWidget* parent = nullptr);

    /// Shows `readings` (oldest first) within `frame`.
    void Show(std::vector<HistoryReading> readings, const ChartFrame& frame);
    /// The reading read out, as hovering at `x` would choose it; nothing without readings.
    void HoverAt(int x);
    /// The reading read out now, if any.
    const HistoryReading* Hovered() const;
    /// What is read out for the hovered reading; empty without one.
    QString ReadOutText() const;

    // Small enough that the window fits a 768-pixel-high screen with its bars and frame.
    QSize sizeHint() const override { return {760, 500}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    double XOf(std::chrono::sys_seconds time) const;
    QString ReadOut(const HistoryReading& reading) const;
    /// Reads out `index` (nothing: no reading) and tells assistive technology.
    void Hover(std::optional<std::size_t> index);

    const Clock& clock_;
    std::vector<HistoryReading> readings_;
    ChartFrame frame_;
    std::optional<std::size_t> hovered_;
};

} // namespace stormbell

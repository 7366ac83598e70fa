// What the history chart's files share: the plot's margins, the panels with the series each
// draws, and the values and times as the chart writes them.
#pragma once

#include <QColor>
#include <QString>

#include <ctime>
#include <functional>
#include <optional>
#include <vector>

#include "history/HistoryReading.h"
#include "history/qt/HistoryChart.h"

namespace stormbell {
namespace chart {

// The plot's margins: the scale's labels on the left, the time labels below.
inline constexpr int kLeft = 64;
inline constexpr int kRight = 16;
inline constexpr int kTop = 8;
inline constexpr int kBottom = 28;

using Value = std::function<std::optional<double>(const HistoryReading&)>;

struct Series {
    QString Name;
    QColor Colour;
    Value Of;
    bool Dots = false; ///< points rather than a line (gusts)
};

struct Panel {
    QString Title;
    std::vector<Series> Lines;
    std::optional<double> Reference = std::nullopt;
    bool DirectionMarks = false;
    double LeastSpan = 0;
};

/// `celsius` in °C when `metric`, else in °F; nothing stays nothing.
std::optional<double> Temperature(const std::optional<double>& celsius, bool metric);
/// `hectopascals` in kPa when `metric`, else in inHg; nothing stays nothing.
std::optional<double> Pressure(const std::optional<double>& hectopascals, bool metric);
/// The four panels, top to bottom, in `frame`'s units.
std::vector<Panel> Panels(const ChartFrame& frame);

/// `value` with `decimals` decimals in the user's form, without grouping.
QString Localised(double value, int decimals);
/// The weekday and the day of the month of `local`, as "Mon 7".
QString DayLabel(const std::tm& local);
/// The hour and minute of `local`, as "09:30".
QString TimeLabel(const std::tm& local);

} // namespace chart
} // namespace stormbell

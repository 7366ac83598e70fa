// What the history chart shows: its panels and their series in the skin's units and colours,
// and the values and times written in the user's form.
#include "history/qt/HistoryChartParts.h"

#include <QLocale>

#include "gauges/qt/SkinPalette.h"
#include "observation/PressureUnits.h"

namespace stormbell {
namespace chart {
namespace {

// The least pressure span shown, so that a day's ordinary wobble is not drawn as a storm: in
// inches of mercury, and 10 hPa in kilopascals.
constexpr double kLeastInches = 0.3;
constexpr double kLeastKilopascals = 1.0;

template <typename T> std::optional<double> Widened(const std::optional<T>& value) {
    return value ? std::optional<double>(*value) : std::nullopt;
}

} // namespace

std::optional<double> Temperature(const std::optional<double>& celsius, bool metric) {
    if (!celsius || metric)
        return celsius;
    return *celsius * 9 / 5 + 32;
}

std::optional<double> Pressure(const std::optional<double>& hectopascals, bool metric) {
    if (!hectopascals)
        return std::nullopt;
    return metric ? *hectopascals / 10 : *hectopascals / kHectopascalsPerInch;
}

std::vector<Panel> Panels(const ChartFrame& frame) {
    const bool metric = frame.Metric;
    return {
        {metric ? HistoryChart::tr("Temperature and dew point, °C")
                : HistoryChart::tr("Temperature and dew point, °F"),
         {{HistoryChart::tr("Temperature"), kPalette.Hot,
           [metric](const HistoryReading& r) { return Temperature(r.TemperatureC, metric); }},
          {HistoryChart::tr("Dew point"), kPalette.Cold,
           [metric](const HistoryReading& r) { return Temperature(r.DewPointC, metric); }}}},
        {metric ? HistoryChart::tr("Pressure, kPa") : HistoryChart::tr("Pressure, inHg"),
         {{HistoryChart::tr("Pressure"), kPalette.Caption,
           [metric](const HistoryReading& r) { return Pressure(r.PressureHpa, metric); }}},
         Pressure(frame.ReferenceHpa, metric),
         false,
         metric ? kLeastKilopascals : kLeastInches},
        {HistoryChart::tr("Relative humidity, %"),
         {{HistoryChart::tr("Humidity"), kPalette.PlateLight,
           [](const HistoryReading& r) { return Widened(r.RelativeHumidity); }}}},
        {HistoryChart::tr("Wind speed and gusts, knots"),
         {{HistoryChart::tr("Wind"), kPalette.Ink,
           [](const HistoryReading& r) { return Widened(r.WindSpeedKnots); }},
          {HistoryChart::tr("Gusts"), kPalette.Hot,
           [](const HistoryReading& r) { return Widened(r.WindGustKnots); }, true}},
         std::nullopt,
         true},
    };
}

// In the user's form, without grouping: "1013,2" in German, as the tooltip writes it.
QString Localised(double value, int decimals) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', decimals);
}

QString DayLabel(const std::tm& local) {
    static const char* const kDays[] = {QT_TRANSLATE_NOOP("stormbell::HistoryChart", "Sun"),
                                        QT_TRANSLATE_NOOP("stormbell::HistoryChart", "Mon"),
                                        QT_TRANSLATE_NOOP("stormbell::HistoryChart", "Tue"),
                                        QT_TRANSLATE_NOOP("stormbell::HistoryChart", "Wed"),
                                        QT_TRANSLATE_NOOP("stormbell::HistoryChart", "Thu"),
                                        QT_TRANSLATE_NOOP("stormbell::HistoryChart", "Fri"),
                                        QT_TRANSLATE_NOOP("stormbell::HistoryChart", "Sat")};
    return HistoryChart::tr("%1 %2", "weekday and day of the month")
        .arg(HistoryChart::tr(kDays[(local.tm_wday % 7 + 7) % 7]))
        .arg(local.tm_mday);
}

QString TimeLabel(const std::tm& local) {
    return QString("%1:%2")
        .arg(local.tm_hour, 2, 10, QChar('0'))
        .arg(local.tm_min, 2, 10, QChar('0'));
}

} // namespace chart
} // namespace stormbell

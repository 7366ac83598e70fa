#include "gauges/ScaleMarks.h"

#include "platform/TextConvert.h"

#include <cmath>

namespace stormbell {

namespace {

constexpr double kFahrenheitPerCelsius = 1.8;

constexpr double CelsiusToFahrenheit(double c) {
    return kFahrenheitPerCelsius * c + 32;
}

// Needle values from `first` to `last` every `step`, skipping those that carry a label.
std::vector<double> Minor(double first, double last, double step,
                          const std::vector<ScaleLabel>& labels) {
    std::vector<double> ticks;
    const int count = static_cast<int>(std::lround((last - first) / step));
    for (int i = 0; i <= count; ++i) {
        const double v = first + i * step;
        bool labelled = false;
        for (const ScaleLabel& l : labels)
            labelled = labelled || std::fabs(l.Value - v) < step / 2;
        if (!labelled)
            ticks.push_back(v);
    }
    return ticks;
}

DialScale Thermometer(bool metric) {
    DialScale d{gauge::kTemperature, {}, {}, metric ? "°C" : "°F"};
    // The needle is driven in °F, so a mark of t °C stands where it shows the same heat.
    if (metric) {
        for (int c = -30; c <= 50; c += 10)
            d.Labels.push_back({CelsiusToFahrenheit(c), IntToStr(c)});
        d.MinorTicks = Minor(CelsiusToFahrenheit(-30), CelsiusToFahrenheit(50),
                             2 * kFahrenheitPerCelsius, d.Labels);
    } else {
        for (int f = -30; f <= 130; f += 20)
            d.Labels.push_back({static_cast<double>(f), IntToStr(f)});
        d.MinorTicks = Minor(-30, 130, 5, d.Labels);
    }
    return d;
}

DialScale Altimeter(bool metric) {
    static const char* const kKilopascals[] = {"96.50", "98.19", "99.89", "101.6",
                                               "103.3", "104.9", "106.7"};
    DialScale d{gauge::kPressure, {}, {}, metric ? "kPa" : "inHg"};
    for (int i = 0; i < 7; ++i) {
        const double inches = 28.5 + 0.5 * i;
        d.Labels.push_back({inches, metric ? kKilopascals[i] : FloatToStrFixed(inches)});
    }
    d.MinorTicks = Minor(28.5, 31.5, 0.1, d.Labels);
    d.MinorTicks.push_back(28.0); // the short tick at the lowest point of the dial
    return d;
}

DialScale Hygrometer() {
    DialScale d{gauge::kHumidity, {}, {}, "%RH"};
    for (int p = 0; p <= 100; p += 10)
        d.Labels.push_back({static_cast<double>(p), IntToStr(p)});
    d.MinorTicks = Minor(0, 100, 2, d.Labels);
    return d;
}

DialScale Compass() {
    static const char* const kPoints[] = {"N", "NE", "E", "SE", "S", "SW", "W", "NW"};
    DialScale d{gauge::kWindDirection, {}, {}, ""};
    for (int i = 0; i < 8; ++i)
        d.Labels.push_back({45.0 * i, kPoints[i]});
    d.MinorTicks = Minor(0, 345, 15, d.Labels);
    return d;
}

DialScale SpeedDial() {
    DialScale d{gauge::kWindSpeed, {}, {}, "KNOTS"};
    for (int k = 0; k <= 42; k += 6)
        d.Labels.push_back({static_cast<double>(k), IntToStr(k)});
    d.MinorTicks = Minor(0, 42, 2, d.Labels);
    return d;
}

} // namespace

std::vector<DialScale> PrintedScales(bool metric) {
    return {Thermometer(metric), Altimeter(metric), Hygrometer(), Compass(), SpeedDial()};
}

} // namespace stormbell

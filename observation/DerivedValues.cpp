#include "observation/DerivedValues.h"

#include <cmath>
#include <limits>

#include "observation/ValueTexts.h"
#include "platform/TextConvert.h"

namespace stormbell {

namespace {

constexpr double WaterVapourFactor = 6.11; // hPa

// 10^(7.5 T / (237.7 + T)), or 1.0 where the formula gives no usable value (a missing figure,
// T = -237.7, overflow or underflow), so the humidity ratio never divides by zero.
double VapourPressureBase(std::optional<double> celsius) {
    if (!celsius || 237.7 + *celsius == 0)
        return 1.0;
    const double value = std::pow(10.0, 7.5 * *celsius / (237.7 + *celsius));
    return std::isfinite(value) && value > 0 ? value : 1.0;
}

bool FitsTemperature(double value) {
    return value >= std::numeric_limits<std::int16_t>::min() &&
           value <= std::numeric_limits<std::int16_t>::max();
}

} // namespace

std::optional<std::int16_t> WholeFahrenheit(double celsius) {
    const double whole = RoundHalfEven(celsius);
    // The whole Celsius value passes through the 16-bit temperature before conversion.
    if (!FitsTemperature(whole))
        return std::nullopt;
    const std::int32_t nineTimes = 9 * static_cast<std::int32_t>(whole);
    const double fahrenheit = Truncate(nineTimes * 0.2 + 32);
    if (!FitsTemperature(fahrenheit))
        return std::nullopt;
    return static_cast<std::int16_t>(fahrenheit);
}

std::int32_t RelativeHumidity(std::optional<double> celsius, std::optional<double> dewPoint) {
    const double eT = VapourPressureBase(celsius) * WaterVapourFactor;
    const double eD = VapourPressureBase(dewPoint) * WaterVapourFactor;
    const double percent = eD / eT * 100;
    // Clamped before the conversion to an integer, which an infinite ratio would overflow.
    if (!(percent < 100))
        return 100;
    if (percent < 0)
        return 0;
    return static_cast<std::int32_t>(Truncate(percent));
}

double TargetHeatIndex(std::int16_t fahrenheit, std::int32_t humidity) {
    if (fahrenheit < 70)
        return fahrenheit;
    const double T = fahrenheit;
    const double T2 = T * T;
    const double T3 = T2 * T;
    const double R = humidity;
    const double R2 = static_cast<double>(static_cast<std::int64_t>(humidity) * humidity);
    const double R3 = R2 * R;
    const double hi = 16.923 + 0.185212 * T + 5.37941 * R - 0.100254 * T * R + 0.00941695 * T2 +
                      0.00728898 * R2 + 0.000345372 * T2 * R - 0.000814971 * T * R2 +
                      0.0000102102 * T2 * R2 - 0.000038646 * T3 + 0.0000291583 * R3 +
                      0.00000142721 * T3 * R + 0.000000197483 * T * R3 - 0.0000000218429 * T3 * R2 +
                      0.000000000843296 * T2 * R3 - 0.0000000000481975 * T3 * R3;
    return Truncate(hi);
}

double TargetWindChill(std::int16_t fahrenheit, double knots) {
    const double T = fahrenheit;
    double wc = (T - 91.4) * (0.0817 * (3.71 * std::sqrt(knots) + 5.81 - 0.25 * knots)) + 91.4;
    if (wc > T)
        wc = T;
    return fahrenheit <= 50 ? Truncate(wc) : T;
}

PressurePlan DeriveTargets(Observation& o) {
    Unreported& missing = o.NotReported;
    const CutTexts& cut = o.Cut;
    GaugeValues& target = o.Target;
    std::optional<double> celsius = TryStrToFloat(cut.TemperatureC);
    const auto fahrenheit = celsius ? WholeFahrenheit(*celsius) : std::nullopt;
    const auto dewPoint = TryStrToFloat(cut.DewPointC);
    const auto pressure = TryStrToFloat(cut.PressureInHg);
    const auto knots = TryStrToInt(cut.WindSpeedKnots);
    const auto direction =
        IsDirectionText(cut.WindDirection) ? DirectionFromText(cut.WindDirection) : std::nullopt;
    // A Celsius figure whose °F does not fit counts as no figure at all.
    missing.Temperature = !fahrenheit;
    missing.DewPoint = !dewPoint;
    missing.Pressure = !pressure;
    missing.Wind = !direction || !knots || *knots < 0;
    // The report's own figure is a stated value; it stands only where the gauge's formula has
    // nothing to work on, so that reports stating all show as they always have.
    missing.HumidityStated =
        (missing.Temperature || missing.DewPoint) && cut.StatedHumidity.has_value();
    target.PressureInHg = missing.Pressure ? rest::kPressureInHg : *pressure;
    target.WindDirection = missing.Wind ? rest::kWindDirection : *direction;
    target.WindSpeedKnots = missing.Wind ? rest::kWindSpeedKnots : *knots;
    target.TemperatureF = fahrenheit ? *fahrenheit : rest::kTemperatureF;
    if (missing.Humidity())
        target.HumidityPercent = rest::kHumidityPercent;
    else
        target.HumidityPercent =
            missing.HumidityStated ? *cut.StatedHumidity : RelativeHumidity(celsius, dewPoint);
    PressurePlan plan = StartPressurePlan(o);
    target.HeatIndexF = missing.HeatIndex()
                            ? rest::kHeatIndexF
                            : TargetHeatIndex(target.TemperatureF, target.HumidityPercent);
    target.WindChillF =
        missing.WindChill() ? rest::kWindChillF : TargetWindChill(target.TemperatureF, *knots);
    FinishPressurePlan(plan);
    return plan;
}

} // namespace stormbell

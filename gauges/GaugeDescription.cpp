#include "gauges/GaugeDescription.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <optional>

#include "gauges/GaugeGeometry.h"
#include "observation/PressureUnits.h"
#include "platform/CalendarText.h"
#include "platform/TextConvert.h"

namespace stormbell {

namespace {

constexpr double kKilopascalsPerInch = kHectopascalsPerInch / 10;
constexpr double kKilometresPerKnot = 1.852;

// The units of the skin in use lead; the other system's follow in parentheses.
std::string InUnits(bool metric, const std::string& english, const std::string& metricText) {
    return metric ? metricText + " (" + english + ")" : english + " (" + metricText + ")";
}

std::string Temperature(double f, bool metric) {
    return InUnits(metric, Fixed(f, 0) + " °F", Fixed((f - 32) * 5 / 9, 1) + " °C");
}

// A temperature as the report prints it, to its own precision.
std::string ReportTemperature(const ServiceFigure& figure, bool metric) {
    return InUnits(metric, figure.Fahrenheit + " °F", figure.Celsius + " °C");
}

// The gauge's own felt temperature, when it differs from the air's, and the weather service's
// figure beside it whenever the report gives one: the two formulas can differ by many degrees.
std::optional<std::string> FeltLine(const char* name, double gauge, bool gaugeDiffers,
                                    const std::optional<ServiceFigure>& service, bool metric) {
    if (!service && !gaugeDiffers)
        return std::nullopt;
    std::string text = std::string(name) + " " + Temperature(gauge, metric);
    if (service)
        text += "; the weather service gives " + ReportTemperature(*service, metric);
    return text;
}

// Values a never-written store gives: they show where the needles rest, not a reading.
bool AtRest(const GaugeValues& shown) {
    return shown == FreshStoreObservation().Shown;
}

std::string ClockText(const std::tm& local, const std::tm& today) {
    char text[32];
    if (local.tm_year == today.tm_year && local.tm_yday == today.tm_yday)
        std::snprintf(text, sizeof text, "%02d:%02d", local.tm_hour, local.tm_min);
    else if (local.tm_year == today.tm_year)
        std::snprintf(text, sizeof text, "%s %d %02d:%02d", ShortMonthName(local.tm_mon),
                      local.tm_mday, local.tm_hour, local.tm_min);
    else
        std::snprintf(text, sizeof text, "%s %d, %d %02d:%02d", ShortMonthName(local.tm_mon),
                      local.tm_mday, local.tm_year + 1900, local.tm_hour, local.tm_min);
    return text;
}

std::string Plural(long long count, const char* unit) {
    return std::to_string(count) + " " + unit + (count == 1 ? "" : "s");
}

// A positive duration of at least a minute in the two largest units that matter.
std::string DurationText(std::chrono::seconds age) {
    using namespace std::chrono;
    if (age < hours(1))
        return Plural(duration_cast<minutes>(age).count(), "minute");
    if (age < hours(24)) {
        const auto wholeHours = duration_cast<hours>(age);
        const auto rest = duration_cast<minutes>(age - wholeHours).count();
        return Plural(wholeHours.count(), "hour") + (rest > 0 ? " " + Plural(rest, "minute") : "");
    }
    return Plural(duration_cast<hours>(age).count() / 24, "day");
}

// The report's own hectopascals, when it states them, rather than the gauge's conversion.
std::string PressureLine(double inches, std::optional<int> reportHectopascals,
                         std::uint16_t pressSet, bool metric) {
    const double hpa = reportHectopascals ? *reportHectopascals : inches * kHectopascalsPerInch;
    const std::string hectopascals = Fixed(hpa, 0) + " hPa";
    const std::string line =
        "Pressure " +
        (metric ? Fixed(hpa / 10, 1) + " kPa / " + hectopascals + " (" + Fixed(inches, 2) + " inHg)"
                : Fixed(inches, 2) + " inHg (" + hectopascals + ")");
    // The pressure the needle would show pointing where the reference hand points.
    const double reference = gauge::kPressure.ValueAt(gauge::kReference.TurnsFromTop(pressSet));
    // The shorter way round the dial from the hand to the needle. The hand is then read on that
    // side of the dial, so the bottom is 28.00 for a needle to its left and 32.00 to its right,
    // and naming that value makes the sign the one a reader of the dial gives.
    const double difference = std::remainder(inches - reference, gauge::kPressure.UnitsPerTurn);
    if (Fixed(std::fabs(difference), 2) == "0.00")
        return line + ", at the reference hand";
    const double hand = inches - difference;
    const std::string amount = metric
                                   ? Fixed(std::fabs(difference) * kHectopascalsPerInch, 1) + " hPa"
                                   : Fixed(std::fabs(difference), 2) + " inHg";
    const std::string handReads =
        metric ? Fixed(hand * kKilopascalsPerInch, 1) + " kPa" : Fixed(hand, 2) + " inHg";
    return line + ", " + amount + (difference > 0 ? " above" : " below") +
           " the reference hand at " + handReads;
}

std::string Speed(int knots, bool metric) {
    return InUnits(metric, Plural(knots, "knot"), Fixed(knots * kKilometresPerKnot, 0) + " km/h");
}

std::string WindLine(WindDirection direction, int knots, bool metric) {
    const std::string speed = Speed(knots, metric);
    if (direction.Variable)
        return "Wind variable at " + speed;
    if (knots == 0 && direction.Degrees == 0)
        return "Wind calm";
    return "Wind from " + CompassPoint(direction.Degrees) + " (" +
           std::to_string(direction.Degrees) + "°) at " + speed;
}

// "falling 1.4 hPa in 3 hours (0.04 inHg)", the unit of the skin's scale first.
std::string TendencyLine(const PressureTendency& tendency, bool metric) {
    const char* way = tendency.Change < 0   ? "falling "
                      : tendency.Change > 0 ? "rising "
                                            : "steady ";
    const std::string hpa = tendency.Hectopascals + " hPa";
    const std::string inches = tendency.Inches + " inHg";
    return std::string("Pressure ") + way + (metric ? hpa : inches) + " in 3 hours (" +
           (metric ? inches : hpa) + ")";
}

// The report's own lines about the wind and the sky, as far as it states them.
void WeatherLines(const ReportFigures& figures, bool metric,
                  const std::function<void(const std::string&)>& line) {
    if (figures.Wind && figures.Wind->GustKnots)
        line("Gusts to " + Speed(*figures.Wind->GustKnots, metric));
    if (figures.Visibility)
        line("Visibility " + Latin1ToUtf8(*figures.Visibility));
    if (figures.Sky)
        line("Sky " + Latin1ToUtf8(*figures.Sky));
    if (figures.Weather)
        line("Weather " + Latin1ToUtf8(*figures.Weather));
}

// What the report says of itself: the station, and when it was observed with its age.
void HeaderLines(const ReportHeader& header, const Clock& clock,
                 const std::function<void(const std::string&)>& line) {
    if (!header.StationName.empty() || !header.Station.empty())
        line(header.Station.empty() ? header.StationName
                                    : header.StationName + " (" + header.Station + ")");
    const auto now = clock.Now();
    if (header.Observed)
        line("Observed " + ClockText(clock.Local(*header.Observed), clock.Local(now)) + ", " +
             AgeText(now - *header.Observed));
    else
        line("Observation time unknown");
}

} // namespace

std::string AgeText(std::chrono::seconds age) {
    if (age < std::chrono::minutes(1))
        return "just now";
    return DurationText(age) + " ago";
}

std::string CompassPoint(int degrees) {
    static constexpr std::array<const char*, 16> kPoints{"N",  "NNE", "NE", "ENE", "E",  "ESE",
                                                         "SE", "SSE", "S",  "SSW", "SW", "WSW",
                                                         "W",  "WNW", "NW", "NNW"};
    const int normal = ((degrees % 360) + 360) % 360;
    // Each point covers 22.5°, centred on its own direction.
    return kPoints[static_cast<std::size_t>((normal * 2 + 22) / 45) % 16];
}

std::string DescribeGauge(const Observation& observation, std::uint16_t pressSet,
                          const ReadingContext& context, const Clock& clock) {
    const GaugeValues& shown = observation.Shown;
    const auto now = clock.Now();
    const std::tm today = clock.Local(now);
    std::string text;
    auto line = [&text](const std::string& content) {
        if (!text.empty())
            text += '\n';
        text += content;
    };
    // Needles at rest show no reading, earlier or not. A failure for another station than the
    // one shown names both, so the old values are never taken for the new station's.
    const bool otherStation =
        !context.FailedStation.empty() && context.FailedStation != context.Header.Station;
    const std::string failedUpdate = otherStation
                                         ? "The update of " + context.FailedStation + " failed"
                                         : "The last update failed";
    if (context.LastCycleFailed)
        line(!context.LastFetch && AtRest(shown) ? failedUpdate + "."
             : otherStation && !context.Header.Station.empty()
                 ? failedUpdate + "; these values are from an earlier reading of " +
                       context.Header.Station + "."
                 : failedUpdate + "; these values are from an earlier reading.");
    if (context.LastCycleFailed && !context.LastFailure.empty())
        line(context.LastFailure);
    if (context.FtpBlocked)
        line("A network that blocks FTP can use https://tgftp.nws.noaa.gov in the FTP settings.");
    if (!context.AlertFailure.empty())
        line("The storm alert could not be shown: " + context.AlertFailure);
    if (context.OlderSent)
        line("The service sent an older observation, of " +
             ClockText(clock.Local(*context.OlderSent), today) + "; the newer reading stays.");
    const ReportHeader& header = context.Header;
    if (header.Observed && now - *header.Observed > kStaleAfter)
        line("Outdated: this observation is " + DurationText(now - *header.Observed) + " old.");

    if (!context.LastFetch) {
        // Nothing decoded in this run: the needles stand where the last save left them, or at
        // rest on a store that was never written.
        if (AtRest(shown)) {
            line("No reading yet: the needles rest until the first update.");
            return text;
        }
        line("No reading yet in this run; these are the values shown when the gauge was last "
             "saved.");
    } else {
        HeaderLines(header, clock, line);
        line("Fetched " + ClockText(clock.Local(*context.LastFetch), today));
    }

    for (const auto& failure : context.SideStepFailures)
        line(failure);

    // The report's own figures where this run decoded one; the needles' values otherwise.
    const ReportFigures& report = context.Figures;
    const bool metric = observation.DisplayMode == DisplayMode::Metric;
    const Unreported& missing = observation.NotReported;
    const auto notReported = [](const char* what) { return std::string(what) + " not reported"; };
    line(missing.Temperature
             ? notReported("Temperature")
             : "Temperature " + (report.Temperature ? ReportTemperature(*report.Temperature, metric)
                                                    : Temperature(shown.TemperatureF, metric)));
    if (missing.DewPoint)
        line(notReported("Dew point"));
    else if (report.DewPoint)
        line("Dew point " + ReportTemperature(*report.DewPoint, metric));
    // A felt temperature without its figures is named where its needle rests on the dial.
    if (missing.HeatIndex()) {
        if (observation.Target.TemperatureF >= 70)
            line(notReported("Heat index"));
    } else if (const auto heat =
                   FeltLine("Heat index", shown.HeatIndexF, shown.HeatIndexF > shown.TemperatureF,
                            report.Service.HeatIndex, metric)) {
        line(*heat);
    }
    if (missing.WindChill()) {
        if (observation.Target.TemperatureF <= 50)
            line(notReported("Wind chill"));
    } else if (const auto chill =
                   FeltLine("Wind chill", shown.WindChillF, shown.WindChillF < shown.TemperatureF,
                            report.Service.WindChill, metric)) {
        line(*chill);
    }
    // The service's humidity only where it differs from the gauge's: the same figure twice says
    // nothing.
    const bool ownHumidity =
        report.RelativeHumidity && *report.RelativeHumidity != shown.HumidityPercent;
    line(missing.Humidity() ? notReported("Humidity")
                            : "Humidity " + std::to_string(shown.HumidityPercent) + " %" +
                                  (ownHumidity ? "; the weather service gives " +
                                                     std::to_string(*report.RelativeHumidity) + " %"
                                               : ""));
    line(missing.Pressure
             ? notReported("Pressure")
             : PressureLine(shown.PressureInHg, report.PressureHectopascals, pressSet, metric));
    if (report.Tendency)
        line(TendencyLine(*report.Tendency, metric));
    line(missing.Wind ? notReported("Wind")
                      : WindLine(shown.WindDirection, shown.WindSpeedKnots, metric));
    WeatherLines(report, metric, line);
    return text;
}

} // namespace stormbell

#include "gauges/GaugeDescription.h"

#include <array>
#include <cmath>
#include <functional>
#include <optional>

#include "gauges/GaugeGeometry.h"
#include "gauges/ServiceWords.h"
#include "observation/PressureUnits.h"
#include "platform/ShownText.h"
#include "platform/TextConvert.h"

namespace stormbell {

namespace {

constexpr double kKilopascalsPerInch = kHectopascalsPerInch / 10;
constexpr double kKilometresPerKnot = 1.852;
constexpr const char* kContext = "Tooltip";

// `value` to `decimals` places in the reader's form.
std::string Shown(const Words& say, double value, int decimals) {
    return say.Forms().Number(Fixed(value, decimals));
}

// The units of the skin in use lead; the other system's follow in parentheses.
std::string InUnits(bool metric, const std::string& english, const std::string& metricText) {
    return metric ? metricText + " (" + english + ")" : english + " (" + metricText + ")";
}

std::string Temperature(const Words& say, double f, bool metric) {
    return InUnits(metric, Shown(say, f, 0) + " °F", Shown(say, (f - 32) * 5 / 9, 1) + " °C");
}

// A temperature as the report prints it, to its own precision.
std::string ReportTemperature(const Words& say, const ServiceFigure& figure, bool metric) {
    return InUnits(metric, say.Forms().Number(figure.Fahrenheit) + " °F",
                   say.Forms().Number(figure.Celsius) + " °C");
}

// The gauge's own felt temperature, when it differs from the air's, and the weather service's
// figure beside it whenever the report gives one: the two formulas can differ by many degrees.
// `pattern` names the temperature and takes the gauge's figure.
std::optional<std::string> FeltLine(const Words& say, const char* pattern, double gauge,
                                    bool gaugeDiffers, const std::optional<ServiceFigure>& service,
                                    bool metric) {
    if (!service && !gaugeDiffers)
        return std::nullopt;
    std::string text = say(pattern, {Temperature(say, gauge, metric)});
    if (service)
        text += say(STORMBELL_TEXT("Tooltip", "; the weather service gives %1"),
                    {ReportTemperature(say, *service, metric)});
    return text;
}

// Values a never-written store gives: they show where the needles rest, not a reading.
bool AtRest(const GaugeValues& shown) {
    return shown == FreshStoreObservation().Shown;
}

std::string ClockText(const Words& say, const std::tm& local, const std::tm& today) {
    if (local.tm_year == today.tm_year && local.tm_yday == today.tm_yday)
        return say.Forms().Date(local, DateForm::Time);
    if (local.tm_year == today.tm_year)
        return say.Forms().Date(local, DateForm::DayAndTime);
    return say.Forms().Date(local, DateForm::DayYearAndTime);
}

std::string Minutes(const Words& say, long long count) {
    return say.Count(count, STORMBELL_TEXT("Tooltip", "%1 minute"),
                     STORMBELL_TEXT("Tooltip", "%1 minutes"));
}

// A positive duration of at least a minute in the two largest units that matter.
std::string DurationText(const Words& say, std::chrono::seconds age) {
    using namespace std::chrono;
    if (age < hours(1))
        return Minutes(say, duration_cast<minutes>(age).count());
    if (age < hours(24)) {
        const auto wholeHours = duration_cast<hours>(age);
        const auto rest = duration_cast<minutes>(age - wholeHours).count();
        const std::string inHours =
            say.Count(wholeHours.count(), STORMBELL_TEXT("Tooltip", "%1 hour"),
                      STORMBELL_TEXT("Tooltip", "%1 hours"));
        return rest > 0 ? inHours + " " + Minutes(say, rest) : inHours;
    }
    return say.Count(duration_cast<hours>(age).count() / 24, STORMBELL_TEXT("Tooltip", "%1 day"),
                     STORMBELL_TEXT("Tooltip", "%1 days"));
}

// The report's own hectopascals, when it states them, rather than the gauge's conversion.
std::string PressureLine(const Words& say, double inches, std::optional<int> reportHectopascals,
                         std::uint16_t pressSet, bool metric) {
    const double hpa = reportHectopascals ? *reportHectopascals : inches * kHectopascalsPerInch;
    const std::string hectopascals = Shown(say, hpa, 0) + " hPa";
    const std::string line = say(STORMBELL_TEXT("Tooltip", "Pressure %1"),
                                 {metric ? Shown(say, hpa / 10, 1) + " kPa / " + hectopascals +
                                               " (" + Shown(say, inches, 2) + " inHg)"
                                         : Shown(say, inches, 2) + " inHg (" + hectopascals + ")"});
    // The pressure the needle would show pointing where the reference hand points.
    const double reference = gauge::kPressure.ValueAt(gauge::kReference.TurnsFromTop(pressSet));
    // The shorter way round the dial from the hand to the needle. The hand is then read on that
    // side of the dial, so the bottom is 28.00 for a needle to its left and 32.00 to its right,
    // and naming that value makes the sign the one a reader of the dial gives.
    const double difference = std::remainder(inches - reference, gauge::kPressure.UnitsPerTurn);
    if (Fixed(std::fabs(difference), 2) == "0.00")
        return say(STORMBELL_TEXT("Tooltip", "%1, at the reference hand"), {line});
    const double hand = inches - difference;
    const std::string amount =
        metric ? Shown(say, std::fabs(difference) * kHectopascalsPerInch, 1) + " hPa"
               : Shown(say, std::fabs(difference), 2) + " inHg";
    const std::string handReads =
        metric ? Shown(say, hand * kKilopascalsPerInch, 1) + " kPa" : Shown(say, hand, 2) + " inHg";
    return say(difference > 0 ? STORMBELL_TEXT("Tooltip", "%1, %2 above the reference hand at %3")
                              : STORMBELL_TEXT("Tooltip", "%1, %2 below the reference hand at %3"),
               {line, amount, handReads});
}

std::string Speed(const Words& say, int knots, bool metric) {
    return InUnits(metric,
                   say.Count(knots, STORMBELL_TEXT("Tooltip", "%1 knot"),
                             STORMBELL_TEXT("Tooltip", "%1 knots")),
                   Shown(say, knots * kKilometresPerKnot, 0) + " km/h");
}

std::string WindLine(const Words& say, WindDirection direction, int knots, bool metric) {
    const std::string speed = Speed(say, knots, metric);
    if (direction.Variable)
        return say(STORMBELL_TEXT("Tooltip", "Wind variable at %1"), {speed});
    if (knots == 0 && direction.Degrees == 0)
        return say(STORMBELL_TEXT("Tooltip", "Wind calm"));
    return say(
        STORMBELL_TEXT("Tooltip", "Wind from %1 (%2°) at %3"),
        {CompassPoint(direction.Degrees, say.Forms()), std::to_string(direction.Degrees), speed});
}

// "falling 1.4 hPa in 3 hours (0.04 inHg)", the unit of the skin's scale first.
std::string TendencyLine(const Words& say, const PressureTendency& tendency, bool metric) {
    const char* pattern =
        tendency.Change < 0   ? STORMBELL_TEXT("Tooltip", "Pressure falling %1 in 3 hours (%2)")
        : tendency.Change > 0 ? STORMBELL_TEXT("Tooltip", "Pressure rising %1 in 3 hours (%2)")
                              : STORMBELL_TEXT("Tooltip", "Pressure steady %1 in 3 hours (%2)");
    const std::string hpa = say.Forms().Number(tendency.Hectopascals) + " hPa";
    const std::string inches = say.Forms().Number(tendency.Inches) + " inHg";
    return say(pattern, {metric ? hpa : inches, metric ? inches : hpa});
}

// The report's own lines about the wind and the sky, as far as it states them. The service's words
// for visibility, sky and weather are told in the reader's language where the table knows them.
void WeatherLines(const Words& say, const ReportFigures& figures, bool metric,
                  const std::function<void(const std::string&)>& line) {
    if (figures.Wind && figures.Wind->GustKnots)
        line(say(STORMBELL_TEXT("Tooltip", "Gusts to %1"),
                 {Speed(say, *figures.Wind->GustKnots, metric)}));
    if (figures.Visibility)
        line(say(STORMBELL_TEXT("Tooltip", "Visibility %1"),
                 {VisibilityWords(Latin1ToUtf8(*figures.Visibility), say.Forms())}));
    if (figures.Sky)
        line(say(STORMBELL_TEXT("Tooltip", "Sky %1"),
                 {SkyWords(Latin1ToUtf8(*figures.Sky), say.Forms())}));
    if (figures.Weather)
        line(say(STORMBELL_TEXT("Tooltip", "Weather %1"),
                 {WeatherWords(Latin1ToUtf8(*figures.Weather), say.Forms())}));
}

std::string AgeText(const Words& say, std::chrono::seconds age) {
    if (age < std::chrono::minutes(1))
        return say(STORMBELL_TEXT("Tooltip", "just now"));
    return say(STORMBELL_TEXT("Tooltip", "%1 ago"), {DurationText(say, age)});
}

// What the report says of itself: the station, and when it was observed with its age.
void HeaderLines(const Words& say, const ReportHeader& header, const Clock& clock,
                 const std::function<void(const std::string&)>& line) {
    if (!header.StationName.empty() || !header.Station.empty())
        line(header.Station.empty() ? header.StationName
                                    : header.StationName + " (" + header.Station + ")");
    const auto now = clock.Now();
    if (header.Observed)
        line(say(STORMBELL_TEXT("Tooltip", "Observed %1, %2"),
                 {ClockText(say, clock.Local(*header.Observed), clock.Local(now)),
                  AgeText(say, now - *header.Observed)}));
    else
        line(say(STORMBELL_TEXT("Tooltip", "Observation time unknown")));
}

} // namespace

std::string AgeText(std::chrono::seconds age, const Wording& wording) {
    return AgeText(Words(wording, kContext), age);
}

std::string CompassPoint(int degrees, const Wording& wording) {
    static constexpr std::array<const char*, 16> kPoints{
        STORMBELL_TEXT("Compass", "N"),  STORMBELL_TEXT("Compass", "NNE"),
        STORMBELL_TEXT("Compass", "NE"), STORMBELL_TEXT("Compass", "ENE"),
        STORMBELL_TEXT("Compass", "E"),  STORMBELL_TEXT("Compass", "ESE"),
        STORMBELL_TEXT("Compass", "SE"), STORMBELL_TEXT("Compass", "SSE"),
        STORMBELL_TEXT("Compass", "S"),  STORMBELL_TEXT("Compass", "SSW"),
        STORMBELL_TEXT("Compass", "SW"), STORMBELL_TEXT("Compass", "WSW"),
        STORMBELL_TEXT("Compass", "W"),  STORMBELL_TEXT("Compass", "WNW"),
        STORMBELL_TEXT("Compass", "NW"), STORMBELL_TEXT("Compass", "NNW")};
    const int normal = ((degrees % 360) + 360) % 360;
    // Each point covers 22.5°, centred on its own direction.
    return wording.Text("Compass", kPoints[static_cast<std::size_t>((normal * 2 + 22) / 45) % 16]);
}

std::string DescribeGauge(const Observation& observation, std::uint16_t pressSet,
                          const ReadingContext& context, const Clock& clock,
                          const Wording& wording) {
    const GaugeValues& shown = observation.Shown;
    const Words say(wording, kContext);
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
    if (context.LastCycleFailed && !context.LastFetch && AtRest(shown))
        line(otherStation ? say(STORMBELL_TEXT("Tooltip", "The update of %1 failed."),
                                {context.FailedStation})
                          : say(STORMBELL_TEXT("Tooltip", "The last update failed.")));
    else if (context.LastCycleFailed && otherStation && !context.Header.Station.empty())
        line(say(STORMBELL_TEXT("Tooltip", "The update of %1 failed; these values are from an "
                                           "earlier reading of %2."),
                 {context.FailedStation, context.Header.Station}));
    else if (context.LastCycleFailed)
        line(otherStation
                 ? say(STORMBELL_TEXT("Tooltip", "The update of %1 failed; these values are from "
                                                 "an earlier reading."),
                       {context.FailedStation})
                 : say(STORMBELL_TEXT("Tooltip", "The last update failed; these values are from "
                                                 "an earlier reading.")));
    if (context.LastCycleFailed && !context.LastFailure.empty())
        line(context.LastFailure);
    if (context.FtpBlocked)
        line(say(STORMBELL_TEXT("Tooltip", "A network that blocks FTP can use "
                                           "https://tgftp.nws.noaa.gov in the FTP settings.")));
    if (!context.AlertFailure.empty())
        line(say(STORMBELL_TEXT("Tooltip", "The storm alert could not be shown: %1"),
                 {context.AlertFailure}));
    if (context.OlderSent)
        line(say(STORMBELL_TEXT("Tooltip", "The service sent an older observation, of %1; the "
                                           "newer reading stays."),
                 {ClockText(say, clock.Local(*context.OlderSent), today)}));
    const ReportHeader& header = context.Header;
    if (header.Observed && now - *header.Observed > kStaleAfter)
        line(say(STORMBELL_TEXT("Tooltip", "Outdated: this observation is %1 old."),
                 {DurationText(say, now - *header.Observed)}));

    if (!context.LastFetch) {
        // Nothing decoded in this run: the needles stand where the last save left them, or at
        // rest on a store that was never written.
        if (AtRest(shown)) {
            line(say(STORMBELL_TEXT("Tooltip",
                                    "No reading yet: the needles rest until the first update.")));
            return text;
        }
        line(say(STORMBELL_TEXT("Tooltip", "No reading yet in this run; these are the values "
                                           "shown when the gauge was last saved.")));
    } else {
        HeaderLines(say, header, clock, line);
        line(say(STORMBELL_TEXT("Tooltip", "Fetched %1"),
                 {ClockText(say, clock.Local(*context.LastFetch), today)}));
    }

    for (const auto& failure : context.SideStepFailures)
        line(failure);

    // The report's own figures where this run decoded one; the needles' values otherwise.
    const ReportFigures& report = context.Figures;
    const bool metric = observation.DisplayMode == DisplayMode::Metric;
    const Unreported& missing = observation.NotReported;
    const auto serviceGives = [&say](const std::string& figure) {
        return say(STORMBELL_TEXT("Tooltip", "; the weather service gives %1"), {figure});
    };
    line(missing.Temperature
             ? say(STORMBELL_TEXT("Tooltip", "Temperature not reported"))
             : say(STORMBELL_TEXT("Tooltip", "Temperature %1"),
                   {report.Temperature ? ReportTemperature(say, *report.Temperature, metric)
                                       : Temperature(say, shown.TemperatureF, metric)}));
    if (missing.DewPoint)
        line(say(STORMBELL_TEXT("Tooltip", "Dew point not reported")));
    else if (report.DewPoint)
        line(say(STORMBELL_TEXT("Tooltip", "Dew point %1"),
                 {ReportTemperature(say, *report.DewPoint, metric)}));
    // A felt temperature without its figures is named where its needle rests on the dial.
    if (missing.HeatIndex()) {
        if (observation.Target.TemperatureF >= 70)
            line(say(STORMBELL_TEXT("Tooltip", "Heat index not reported")));
    } else if (const auto heat = FeltLine(say, STORMBELL_TEXT("Tooltip", "Heat index %1"),
                                          shown.HeatIndexF, shown.HeatIndexF > shown.TemperatureF,
                                          report.Service.HeatIndex, metric)) {
        line(*heat);
    }
    if (missing.WindChill()) {
        if (observation.Target.TemperatureF <= 50)
            line(say(STORMBELL_TEXT("Tooltip", "Wind chill not reported")));
    } else if (const auto chill = FeltLine(say, STORMBELL_TEXT("Tooltip", "Wind chill %1"),
                                           shown.WindChillF, shown.WindChillF < shown.TemperatureF,
                                           report.Service.WindChill, metric)) {
        line(*chill);
    }
    // The service's humidity only where it differs from the gauge's: the same figure twice says
    // nothing.
    const bool ownHumidity =
        report.RelativeHumidity && *report.RelativeHumidity != shown.HumidityPercent;
    line(missing.Humidity()
             ? say(STORMBELL_TEXT("Tooltip", "Humidity not reported"))
             : say(STORMBELL_TEXT("Tooltip", "Humidity %1"),
                   {std::to_string(shown.HumidityPercent) + " %" +
                    (ownHumidity ? serviceGives(std::to_string(*report.RelativeHumidity) + " %")
                                 : "")}));
    line(missing.Pressure ? say(STORMBELL_TEXT("Tooltip", "Pressure not reported"))
                          : PressureLine(say, shown.PressureInHg, report.PressureHectopascals,
                                         pressSet, metric));
    if (report.Tendency)
        line(TendencyLine(say, *report.Tendency, metric));
    line(missing.Wind ? say(STORMBELL_TEXT("Tooltip", "Wind not reported"))
                      : WindLine(say, shown.WindDirection, shown.WindSpeedKnots, metric));
    WeatherLines(say, report, metric, line);
    return text;
}

} // namespace stormbell

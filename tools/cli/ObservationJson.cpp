#include "tools/cli/ObservationJson.h"

#include <cstdio>

#include "observation/ObservationTime.h"
#include "observation/ValueTexts.h"
#include "platform/TextConvert.h"
#include "tools/cli/TextEscapes.h"

namespace stormbell {

namespace {

// JSON has no escape for a byte. Report text is UTF-8 by the time it is written; a byte that is
// not UTF-8 can still come from elsewhere (a file name is bytes on POSIX) and is shown as U+FFFD.
constexpr const char* kReplacementCharacter = "\\ufffd";

} // namespace

void WriteJsonString(std::ostream& out, std::string_view text) {
    out << '"';
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        const auto byte = static_cast<unsigned char>(c);
        const std::size_t length = Utf8SequenceLength(text, i);
        if (length == 0) {
            out << kReplacementCharacter;
            ++i;
            continue;
        }
        if (c == '"' || c == '\\') {
            out << '\\' << c;
        } else if (byte < 0x20 || byte == 0x7f) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out << escaped;
        } else {
            out << text.substr(i, length);
        }
        i += length;
    }
    out << '"';
}

namespace {

template <typename T> std::optional<T> Stated(bool stated, const T& value) {
    return stated ? std::optional(value) : std::nullopt;
}

void Value(std::ostream& out, long long value) {
    out << value;
}

void Value(std::ostream& out, double value) {
    out << FloatToStrGeneral(value);
}

void Value(std::ostream& out, const std::string& value) {
    WriteJsonString(out, value);
}

// A value the report did not state is null.
template <typename T>
void Field(std::ostream& out, const char* name, const std::optional<T>& value) {
    out << '"' << name << "\": ";
    if (value)
        Value(out, *value);
    else
        out << "null";
    out << ", ";
}

// The texts cut from a report are single-byte.
void TextField(std::ostream& out, const char* name, const std::optional<std::string>& singleByte) {
    Field(out, name, singleByte ? std::optional(Latin1ToUtf8(*singleByte)) : std::nullopt);
}

} // namespace

void WriteObservationJson(std::ostream& out, const Observation& o, const ReportHeader& header,
                          long frames) {
    out << '{';
    const Unreported& missing = o.NotReported;
    const GaugeValues& shown = o.Shown;
    const GaugeValues& target = o.Target;
    Field(out, "OTemp", Stated(!missing.Temperature, static_cast<long long>(shown.TemperatureF)));
    Field(out, "NewTemp",
          Stated(!missing.Temperature, static_cast<long long>(target.TemperatureF)));
    Field(out, "OHumd", Stated(!missing.Humidity(), static_cast<long long>(shown.HumidityPercent)));
    Field(out, "NewHumd",
          Stated(!missing.Humidity(), static_cast<long long>(target.HumidityPercent)));
    Field(out, "OHeatIndex", Stated(!missing.HeatIndex(), shown.HeatIndexF));
    Field(out, "NewHeatIndex", Stated(!missing.HeatIndex(), target.HeatIndexF));
    Field(out, "OChill", Stated(!missing.WindChill(), shown.WindChillF));
    Field(out, "NewChill", Stated(!missing.WindChill(), target.WindChillF));
    // The design's texts: the pressure in its shortest form, the direction in three digits or
    // "VRB", the speed in whole knots.
    Field(out, "OPresInfo", Stated(!missing.Pressure, FloatToStrGeneral(shown.PressureInHg)));
    Field(out, "NewPresInfo", Stated(!missing.Pressure, FloatToStrGeneral(target.PressureInHg)));
    Field(out, "OWDInfo", Stated(!missing.Wind, DirectionText(shown.WindDirection)));
    Field(out, "NewWDInfo", Stated(!missing.Wind, DirectionText(target.WindDirection)));
    Field(out, "OWSInfo", Stated(!missing.Wind, IntToStr(shown.WindSpeedKnots)));
    Field(out, "NewWSInfo", Stated(!missing.Wind, IntToStr(target.WindSpeedKnots)));
    TextField(out, "TempCText", Stated(!missing.Temperature, o.Cut.TemperatureC));
    TextField(out, "DewCText", Stated(!missing.DewPoint, o.Cut.DewPointC));
    Field(out, "DisplayMode", std::optional(std::string(DisplayModeText(o.DisplayMode))));
    const bool named = !header.Station.empty();
    Field(out, "station", named ? std::optional(header.Station) : std::nullopt);
    Field(out, "station_name", named ? std::optional(header.StationName) : std::nullopt);
    Field(out, "observed",
          header.Observed ? std::optional(IsoUtc(*header.Observed)) : std::nullopt);
    out << "\"frames\": " << frames << "}\n";
}

void WriteErrorJson(std::ostream& out, std::string_view message) {
    out << "{\"error\": ";
    WriteJsonString(out, message);
    out << "}\n";
}

} // namespace stormbell

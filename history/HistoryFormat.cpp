#include "history/HistoryFormat.h"

#include <charconv>
#include <cstdio>
#include <functional>
#include <vector>

#include "observation/ObservationTime.h"

namespace stormbell {

namespace {

// Each column once, in the order of both forms: a name, and the value as text or nothing.
struct Column {
    const char* Name;
    bool Quoted; ///< a text in JSON; a number, a boolean or null otherwise
    std::function<std::optional<std::string>(const HistoryReading&)> Value;
};

std::string Shortest(double value) {
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

template <typename T> std::optional<std::string> Figure(const std::optional<T>& value) {
    if (!value)
        return std::nullopt;
    if constexpr (std::is_same_v<T, double>)
        return Shortest(*value);
    else
        return std::to_string(*value);
}

const std::vector<Column>& Columns() {
    static const std::vector<Column> columns = {
        {"station", true, [](const auto& r) { return std::optional(r.Station); }},
        {"observed", true, [](const auto& r) { return std::optional(IsoUtc(r.Observed)); }},
        {"received", true, [](const auto& r) { return std::optional(IsoUtc(r.Received)); }},
        {"temperature_c", false, [](const auto& r) { return Figure(r.TemperatureC); }},
        {"dew_point_c", false, [](const auto& r) { return Figure(r.DewPointC); }},
        {"relative_humidity", false, [](const auto& r) { return Figure(r.RelativeHumidity); }},
        {"pressure_hpa", false, [](const auto& r) { return Figure(r.PressureHpa); }},
        {"wind_direction", false, [](const auto& r) { return Figure(r.WindDirection); }},
        {"wind_variable", false,
         [](const auto& r) {
             return std::optional<std::string>(r.WindVariable ? "true" : "false");
         }},
        {"wind_speed_kt", false, [](const auto& r) { return Figure(r.WindSpeedKnots); }},
        {"wind_gust_kt", false, [](const auto& r) { return Figure(r.WindGustKnots); }},
        {"visibility", true, [](const auto& r) { return r.Visibility; }},
        {"sky", true, [](const auto& r) { return r.Sky; }},
        {"weather", true, [](const auto& r) { return r.Weather; }},
        {"tendency_hpa", false, [](const auto& r) { return Figure(r.TendencyHpa); }},
        {"report", true, [](const auto& r) { return std::optional(r.Report); }},
    };
    return columns;
}

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + '"';
}

std::string JsonText(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    return out + '"';
}

} // namespace

std::string HistoryCsvHeader() {
    std::string header;
    for (const auto& column : Columns())
        header += (header.empty() ? "" : ",") + std::string(column.Name);
    return header + "\r\n";
}

std::string HistoryCsvRow(const HistoryReading& reading) {
    std::string row;
    bool first = true;
    for (const auto& column : Columns()) {
        if (!first)
            row += ',';
        first = false;
        if (const auto value = column.Value(reading))
            row += CsvField(*value);
    }
    return row + "\r\n";
}

std::string HistoryJsonLine(const HistoryReading& reading) {
    std::string line = "{";
    for (const auto& column : Columns()) {
        if (line.size() > 1)
            line += ", ";
        const auto value = column.Value(reading);
        line += JsonText(column.Name) + ": " +
                (!value          ? "null"
                 : column.Quoted ? JsonText(*value)
                                 : *value);
    }
    return line + "}\n";
}

std::optional<std::chrono::seconds> ParseSpan(std::string_view text) {
    long long count = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
    if (error != std::errc() || end == text.data() || count < 0 ||
        end + 1 != text.data() + text.size())
        return std::nullopt;
    const std::string_view units = "smhd";
    constexpr long long kSeconds[] = {1, 60, 3600, 86400};
    const std::size_t unit = units.find(*end);
    if (unit == std::string_view::npos || count > (1LL << 40))
        return std::nullopt;
    return std::chrono::seconds(count * kSeconds[unit]);
}

} // namespace stormbell

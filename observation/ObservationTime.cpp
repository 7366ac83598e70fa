#include "observation/ObservationTime.h"

#include <cstddef>
#include <cstdio>

#include "platform/Clock.h"

namespace stormbell {

namespace {

constexpr std::string_view kSeparator = " / ";
// "2013.04.25 0500 UTC": the positions of its fields and fixed characters.
constexpr std::string_view kShape = "dddd.dd.dd dddd UTC";

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int Digits(std::string_view text, std::size_t from, std::size_t count) {
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i)
        value = value * 10 + (text[i] - '0');
    return value;
}

bool HasShape(std::string_view text) {
    if (text.size() != kShape.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (kShape[i] == 'd' ? !IsDigit(text[i]) : text[i] != kShape[i])
            return false;
    }
    return true;
}

} // namespace

std::optional<std::chrono::sys_seconds> ParseObservationTime(std::string_view secondLine) {
    using namespace std::chrono;
    const std::size_t separator = secondLine.rfind(kSeparator);
    if (separator == std::string_view::npos)
        return std::nullopt;
    const std::string_view utc = secondLine.substr(separator + kSeparator.size());
    if (!HasShape(utc))
        return std::nullopt;
    const year_month_day date{year(Digits(utc, 0, 4)), month(Digits(utc, 5, 2)),
                              day(Digits(utc, 8, 2))};
    const int hour = Digits(utc, 11, 2);
    const int minute = Digits(utc, 13, 2);
    if (!date.ok() || hour > 23 || minute > 59)
        return std::nullopt;
    return sys_days(date) + hours(hour) + minutes(minute);
}

std::string IsoUtc(std::chrono::sys_seconds time) {
    const std::tm utc = UtcBreakdown(time);
    char text[80]; // room for any int in each field, so the compiler sees no truncation
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02dZ", utc.tm_year + 1900,
                  utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec);
    return text;
}

} // namespace stormbell

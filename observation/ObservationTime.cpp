#include "observation/ObservationTime.h"

#include <cstddef>
#include <cstdio>

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
    using namespace std::chrono;
    const auto day = floor<days>(time);
    const year_month_day date(day);
    const hh_mm_ss clock(time - day);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02dZ",
                  static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                  static_cast<unsigned>(date.day()), static_cast<int>(clock.hours().count()),
                  static_cast<int>(clock.minutes().count()),
                  static_cast<int>(clock.seconds().count()));
    return text;
}

} // namespace stormbell

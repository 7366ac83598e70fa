// What a report says about itself before its values: the station it comes from and when it was
// observed. One value, read in one place, for everything that shows, stores or prints a reading.
#pragma once

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace stormbell {

/// How many lines after the first are searched for the observation time. The service puts it on
/// the second line, but a stray carriage return in the first line moves it down one.
inline constexpr std::size_t kTimeLineSearch = 4;

/// The head of a report. A part the report does not name readably is empty or missing.
struct ReportHeader {
    std::string StationName; ///< UTF-8: "Vancouver International Air-Port, B. C., Canada"
    std::string Station;     ///< the four-character identifier, "CYVR"; empty when unknown
    std::optional<std::chrono::sys_seconds> Observed; ///< the report's UTC time

    bool operator==(const ReportHeader&) const = default;
};

/// Reads the head of a report split into lines. The observation time is the first of the
/// lines 2 to 1 + kTimeLineSearch that ends with it ("... / 2013.04.25 0500 UTC"). The station
/// is the last parenthesised group of four capital letters or digits in the lines before it
/// (the first line alone when there is no time), read as one text; the name is everything
/// before the group without trailing blanks, its single bytes turned into UTF-8. Never throws
/// for a report's content.
ReportHeader ReadReportHeader(const std::vector<std::string>& reportLines);

} // namespace stormbell

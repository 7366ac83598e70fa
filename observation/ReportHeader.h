// Which station a report comes from: the name and identifier on its first line.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace stormbell {

/// The station a report names.
struct ReportHeader {
    std::string StationName; ///< UTF-8: "Vancouver International Air-Port, B. C., Canada"
    std::string Station;     ///< the four-character identifier, "CYVR"
};

/// Reads "Vancouver International Air-Port, B. C., Canada (CYVR) 49-11N 123-10W 2M" (a
/// report's first line): the identifier is the last parenthesised group of four capital
/// letters or digits, the name everything before it without trailing blanks, its single bytes
/// turned into UTF-8. Nothing when there is no such group; never throws.
std::optional<ReportHeader> ParseReportHeader(std::string_view firstLine);

} // namespace stormbell

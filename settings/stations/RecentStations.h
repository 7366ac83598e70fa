// The stations picked last, newest first, as the gauge's menu offers them again and as they are
// stored: identifiers separated by commas ("KSEA,EGLL").
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace stormbell {

inline constexpr std::size_t kRecentStationCount = 5;

/// The identifiers of `stored`, newest first, at most five, each once; a part that is no
/// identifier (four characters A-Z and 0-9) is skipped, so a damaged value costs only itself.
std::vector<std::string> RecentStationList(std::string_view stored);

/// `stored` with `identifier` first, its older place and the oldest beyond five dropped; `stored`
/// as it is when `identifier` is no identifier.
std::string WithRecentStation(std::string_view stored, std::string_view identifier);

/// How the menu names a recent station: its identifier and its row's text, or the name the
/// service gives a station the directory lacks; the identifier alone for one that neither knows.
std::string RecentStationLabel(std::string_view identifier);

} // namespace stormbell

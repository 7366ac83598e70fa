#include "settings/stations/RecentStations.h"

#include "settings/stations/PlaceNames.h"
#include "settings/stations/StationDirectory.h"

#include <algorithm>

namespace stormbell {
namespace {

constexpr char kSeparator = ',';

bool IsIdentifier(std::string_view text) {
    return text.size() == kStationIdLength && std::all_of(text.begin(), text.end(), [](char c) {
               return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
           });
}

std::string Joined(const std::vector<std::string>& identifiers) {
    std::string joined;
    for (const std::string& identifier : identifiers)
        joined.append(joined.empty() ? "" : ",").append(identifier);
    return joined;
}

} // namespace

std::vector<std::string> RecentStationList(std::string_view stored) {
    std::vector<std::string> list;
    while (!stored.empty() && list.size() < kRecentStationCount) {
        const auto end = stored.find(kSeparator);
        const std::string_view part = stored.substr(0, end);
        stored = end == std::string_view::npos ? std::string_view() : stored.substr(end + 1);
        if (IsIdentifier(part) && std::find(list.begin(), list.end(), part) == list.end())
            list.emplace_back(part);
    }
    return list;
}

std::string WithRecentStation(std::string_view stored, std::string_view identifier) {
    if (!IsIdentifier(identifier))
        return Joined(RecentStationList(stored));
    std::vector<std::string> list = RecentStationList(stored);
    std::erase(list, identifier);
    list.insert(list.begin(), std::string(identifier));
    if (list.size() > kRecentStationCount)
        list.pop_back();
    return Joined(list);
}

std::string RecentStationLabel(std::string_view identifier) {
    std::string label(identifier);
    if (const auto row = StationRowOf(identifier))
        return label + "  " + StationDirectory()[static_cast<std::size_t>(*row)].DisplayText;
    for (const UnlistedStation& station : BuiltInPlaceNames().Unlisted)
        if (station.Identifier == identifier)
            return label + "  " + std::string(station.Name);
    return label;
}

} // namespace stormbell

#include "settings/stations/PlaceNames.h"

#include "settings/stations/StationDirectory.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>
#include <string>

namespace stormbell {

// The committed table file, turned into a string by the build.
extern const std::string_view kPlaceNamesText;

namespace {

constexpr std::size_t kAirportCodeLength = 3;

std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    while (true) {
        const auto tab = line.find('\t');
        fields.push_back(line.substr(0, tab));
        if (tab == std::string_view::npos)
            return fields;
        line = line.substr(tab + 1);
    }
}

bool IsCode(std::string_view text, std::size_t length) {
    if (text.size() != length)
        return false;
    for (char c : text)
        if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
            return false;
    return true;
}

// Why `fields` are no valid entry, or nullptr when they are one (added to `names`).
const char* AddEntry(const std::vector<std::string_view>& fields, PlaceNames& names) {
    const std::string_view kind = fields[0];
    const std::size_t wanted = kind == "C"                  ? 4
                               : kind == "A" || kind == "U" ? 3
                               : kind == "M"                ? 2
                                                            : 0;
    if (wanted == 0)
        return "unknown kind of entry";
    if (fields.size() != wanted)
        return "wrong number of fields";
    for (std::string_view field : fields)
        if (field.empty())
            return "empty field";
    const std::string_view identifier = kind == "C" || kind == "A" ? fields[2] : fields[1];
    if (!IsCode(identifier, kStationIdLength))
        return "identifier not four characters A-Z and 0-9";
    if (kind == "C") {
        int rank = 0;
        const auto [end, error] =
            std::from_chars(fields[3].data(), fields[3].data() + fields[3].size(), rank);
        if (error != std::errc() || end != fields[3].data() + fields[3].size() || rank < 1)
            return "rank not a positive number";
        names.Cities.push_back({fields[1], identifier, rank});
    } else if (kind == "A") {
        if (!IsCode(fields[1], kAirportCodeLength))
            return "airport code not three characters A-Z and 0-9";
        names.Airports.push_back({fields[1], identifier});
    } else if (kind == "M") {
        names.MainAirports.push_back(identifier);
    } else {
        names.Unlisted.push_back({identifier, fields[2]});
    }
    return nullptr;
}

} // namespace

PlaceNames ParsePlaceNames(std::string_view text) {
    PlaceNames names;
    std::size_t lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const auto end = text.find('\n');
        const auto line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.starts_with('#'))
            continue;
        if (const char* fault = AddEntry(Fields(line), names))
            throw std::runtime_error("place names line " + std::to_string(lineNumber) + ": " +
                                     fault);
    }
    return names;
}

const PlaceNames& BuiltInPlaceNames() {
    static const PlaceNames names = ParsePlaceNames(kPlaceNamesText);
    return names;
}

bool IsUnlistedStation(std::string_view identifier) {
    const auto& unlisted = BuiltInPlaceNames().Unlisted;
    return std::any_of(unlisted.begin(), unlisted.end(), [identifier](const UnlistedStation& s) {
        return s.Identifier == identifier;
    });
}

} // namespace stormbell

// The other names by which a station is found: cities' names in English and other spellings,
// airport codes, the main airports, and the stations the service publishes that the directory
// lacks. Read from a table committed beside the directory.
#pragma once

#include <string_view>
#include <vector>

namespace stormbell {

/// A city's name (UTF-8) and the station that serves it; rank 1 is the largest city.
struct CityName {
    std::string_view Name;
    std::string_view Identifier;
    int Rank = 0;
};

/// A three-letter airport code and the station that reports its weather.
struct AirportCode {
    std::string_view Code;
    std::string_view Identifier;
};

/// A station the service publishes under `Identifier` that the directory has no row for.
struct UnlistedStation {
    std::string_view Identifier;
    std::string_view Name;
};

struct PlaceNames {
    std::vector<CityName> Cities;
    std::vector<AirportCode> Airports;
    std::vector<std::string_view> MainAirports; ///< identifiers
    std::vector<UnlistedStation> Unlisted;
};

/// Parses the table text (lines starting with '#' are notes); the entries view `text`, which
/// must outlive them. Throws std::runtime_error naming the line of a malformed entry.
PlaceNames ParsePlaceNames(std::string_view text);

/// The embedded table, parsed once.
const PlaceNames& BuiltInPlaceNames();

/// Whether the service publishes station `identifier` (case counts) that the directory lacks.
bool IsUnlistedStation(std::string_view identifier);

} // namespace stormbell

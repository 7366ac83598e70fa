// The built-in directory of observing stations: row number -> display text and the
// four-character identifier that names the station's report file.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace stormbell {

inline constexpr int kStationCount = 2853;
/// Every identifier is four characters, A-Z and 0-9.
inline constexpr std::size_t kStationIdLength = 4;

struct StationRow {
    std::string DisplayText;
    std::string Identifier;
};

/// Parses the table text (one row a line: display text TAB identifier; lines starting with '#'
/// are notes and skipped); throws std::runtime_error naming the line for a malformed row.
std::vector<StationRow> ParseStationTable(std::string_view text);

/// The 2853 rows of the embedded table, parsed once.
const std::vector<StationRow>& StationDirectory();

/// Identifier of row n; nothing outside 0..2852.
std::optional<std::string> StationIdentifier(long long row);

/// The row whose identifier is `identifier` exactly (case counts); nothing when no row has it.
std::optional<int> StationRowOf(std::string_view identifier);

/// Whether `text` is a complete identifier as a user types it: four characters, each a letter
/// A-Z in either case or a digit.
bool IsIdentifierLike(std::string_view text);

/// The name of station `identifier`'s report file on the service: "KJLN" gives "KJLN.TXT".
std::string StationFileName(std::string_view identifier);
/// Whether `name` ends as a report file's name does (case counts): "KJLN.TXT", not "kjln.txt".
bool IsStationFileName(std::string_view name);
/// The identifier a report file's name starts with, its first four characters: "KJLN.TXT" gives
/// "KJLN".
std::string_view StationIdOf(std::string_view file);

} // namespace stormbell

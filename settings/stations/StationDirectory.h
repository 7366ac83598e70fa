// The built-in directory of observing stations: row number -> display text and the
// four-character identifier that names the station's report file.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace stormbell {

inline constexpr int kStationCount = 2853;

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

} // namespace stormbell

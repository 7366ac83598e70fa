// Stored readings as text for scripts and spreadsheets: CSV with a header row, or JSON with one
// object per line. Times are UTC in ISO 8601; a figure the report did not state is empty (CSV)
// or null (JSON).
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "history/HistoryReading.h"

namespace stormbell {

/// The CSV header row, ending in "\r\n".
std::string HistoryCsvHeader();
/// One CSV row, ending in "\r\n"; texts are quoted where they need it.
std::string HistoryCsvRow(const HistoryReading& reading);
/// One JSON object and "\n".
std::string HistoryJsonLine(const HistoryReading& reading);

/// A duration such as "72h", "30m", "7d" or "90s"; nothing when it is not one.
std::optional<std::chrono::seconds> ParseSpan(std::string_view text);

} // namespace stormbell

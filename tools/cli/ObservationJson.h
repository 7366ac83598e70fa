// Writes an Observation as one JSON object, every field under its own name, with the station
// and time the report names.
#pragma once

#include <ostream>
#include <string_view>

#include "observation/Observation.h"
#include "observation/ReportHeader.h"

namespace stormbell {

/// Writes UTF-8 `text` as a JSON string literal, escaping quotes, backslashes and control bytes
/// and writing each byte that is not part of well-formed UTF-8 as U+FFFD.
void WriteJsonString(std::ostream& out, std::string_view text);

/// Writes {"OTemp": ..., ..., "DisplayMode": "...", "station": "CYVR", "station_name": "...",
/// "observed": "2013-04-25T05:00:00Z", "frames": N} on one line; what the report did not
/// tell is null, the values of the quantities it did not state included.
void WriteObservationJson(std::ostream& out, const Observation& observation,
                          const ReportHeader& header, long frames);

/// Writes {"error": "<message>"} on one line.
void WriteErrorJson(std::ostream& out, std::string_view message);

} // namespace stormbell

// Writes an Observation as one JSON object, every field under its own name.
#pragma once

#include <ostream>
#include <string_view>

#include "observation/Observation.h"

namespace stormbell {

/// Writes `text` as a JSON string literal, escaping quotes, backslashes and control bytes.
void WriteJsonString(std::ostream& out, std::string_view text);

/// Writes {"OTemp": ..., ..., "DisplayMode": "...", "frames": N} on one line.
void WriteObservationJson(std::ostream& out, const Observation& observation, long frames);

/// Writes {"error": "<message>"} on one line.
void WriteErrorJson(std::ostream& out, std::string_view message);

} // namespace stormbell

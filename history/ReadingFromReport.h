// The row the history keeps for a decoded report, read with the report's own figures.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "history/HistoryReading.h"

namespace stormbell {

/// The reading of `reportLines`, received at `received`. Nothing when ReadReportHeader finds no
/// station or no observation time: such a report cannot be placed in the history.
/// Texts become UTF-8 (reports are single-byte). Never throws for a report's content.
std::optional<HistoryReading> ReadingFromReport(const std::vector<std::string>& reportLines,
                                                std::chrono::sys_seconds received);

} // namespace stormbell

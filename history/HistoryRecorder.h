// Keeps each decoded reading in the history and finds its pressure trend, for the gauge. Every
// failure is caught and told in the result: the history never stops a reading from showing.
#pragma once

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "history/HistoryStore.h"
#include "history/PressureTrend.h"

namespace stormbell {

/// What became of one reading.
struct RecordResult {
    bool Stored = false; ///< the history holds it now (added, or there already)
    std::string Problem; ///< why it could not be stored; empty when it was or history is off
    std::string Notice;  ///< a damaged history that was set aside meanwhile
    std::optional<PressureTrend> Trend;
};

class HistoryRecorder {
public:
    /// Keeps the history in `file` (nothing: no data folder is known), opened at the first
    /// reading. Use from one thread at a time.
    explicit HistoryRecorder(std::optional<std::filesystem::path> file);
    ~HistoryRecorder();

    /// Stores the reading of `reportLines` received at `received` when `keep`, and gives its
    /// trend: the report's own, else (when kept) from the stored readings.
    RecordResult Record(const std::vector<std::string>& reportLines,
                        std::chrono::sys_seconds received, bool keep);

private:
    HistoryStore& Store(RecordResult& result);
    void Keep(const HistoryReading& reading, RecordResult& result);

    std::optional<std::filesystem::path> file_;
    std::unique_ptr<HistoryStore> store_;
};

} // namespace stormbell

// Readings and stores for the history's tests.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>

#include "history/HistoryReading.h"
#include "history/HistoryStore.h"

namespace stormbell::testing {

/// 2026-12-08 00:00 UTC, and a time `minutes` after it.
inline std::chrono::sys_seconds At(long minutes) {
    using namespace std::chrono;
    return sys_days(year(2026) / December / 8) + std::chrono::minutes(minutes);
}

/// A reading of `station` at At(`minutes`) with the given pressure, and a few figures more.
inline HistoryReading Reading(const std::string& station, long minutes,
                              std::optional<double> pressureHpa = 1013.2) {
    HistoryReading r;
    r.Station = station;
    r.Observed = r.Received = At(minutes);
    r.PressureHpa = pressureHpa;
    r.TemperatureC = 10 + static_cast<double>(minutes % 600) / 60;
    r.DewPointC = 4;
    r.RelativeHumidity = 60;
    r.WindDirection = static_cast<int>(minutes % 360);
    r.WindSpeedKnots = 8;
    r.Report = station + " at " + std::to_string(minutes);
    return r;
}

/// Skips the test in a build without SQLite.
#define SKIP_WITHOUT_HISTORY()                                                                     \
    if (!HistoryStore::Available())                                                                \
    GTEST_SKIP() << "this build keeps no history"

} // namespace stormbell::testing

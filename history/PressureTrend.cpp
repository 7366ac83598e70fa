#include "history/PressureTrend.h"

#include <cmath>

namespace stormbell {

using std::chrono::abs;

HistoryQuery TrendQuery(const HistoryReading& now) {
    const auto target = now.Observed - kTrendSpan;
    return {now.Station, target - kTrendTolerance, target + kTrendTolerance};
}

std::optional<PressureTrend> TrendOf(const HistoryReading& now,
                                     const std::vector<HistoryReading>& earlier) {
    if (now.TendencyHpa)
        return PressureTrend{*now.TendencyHpa, TrendSource::Report, std::nullopt};
    if (!now.PressureHpa)
        return std::nullopt;
    const auto target = now.Observed - kTrendSpan;
    const HistoryReading* nearest = nullptr;
    for (const auto& reading : earlier) {
        const auto off = abs(reading.Observed - target);
        if (reading.Station != now.Station || !reading.PressureHpa || off > kTrendTolerance)
            continue;
        const auto best = nearest ? abs(nearest->Observed - target) : off;
        if (!nearest || off < best || (off == best && reading.Observed < nearest->Observed))
            nearest = &reading;
    }
    if (nearest == nullptr)
        return std::nullopt;
    // The report prints the tendency to a tenth; so does this.
    const double change = std::round((*now.PressureHpa - *nearest->PressureHpa) * 10) / 10;
    return PressureTrend{change, TrendSource::History, nearest->Observed};
}

} // namespace stormbell

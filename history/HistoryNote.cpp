#include "history/HistoryNote.h"

#include <cmath>

#include "observation/ObservationTime.h"
#include "observation/PressureUnits.h"
#include "platform/TextConvert.h"

namespace stormbell {

namespace {

std::string TrendLine(const PressureTrend& trend) {
    const double change = std::fabs(trend.ChangeHpa);
    std::string line = "Pressure ";
    if (Fixed(change, 1) == "0.0")
        line += "steady";
    else
        line += std::string(trend.ChangeHpa < 0 ? "falling " : "rising ") + Fixed(change, 1) +
                " hPa (" + Fixed(change / kHectopascalsPerInch, 2) + " inHg)";
    return line + " in 3 hours, from the history since " + IsoUtc(*trend.Since).substr(11, 5) +
           " UTC\n";
}

} // namespace

std::string HistoryNote(const RecordResult& result) {
    std::string note;
    // A report's own tendency is told with its other figures.
    if (result.Trend && result.Trend->Source == TrendSource::History && result.Trend->Since)
        note += TrendLine(*result.Trend);
    if (!result.Problem.empty())
        note += "The history could not be written: " + result.Problem + "\n";
    if (!result.Notice.empty())
        note += result.Notice + "\n";
    return note;
}

} // namespace stormbell

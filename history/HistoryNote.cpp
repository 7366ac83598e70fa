#include "history/HistoryNote.h"

#include <cmath>

#include "observation/ObservationTime.h"
#include "observation/PressureUnits.h"
#include "platform/ShownText.h"
#include "platform/TextConvert.h"

namespace stormbell {

namespace {

std::string TrendLine(const Words& say, const PressureTrend& trend) {
    const double change = std::fabs(trend.ChangeHpa);
    const std::string since = IsoUtc(*trend.Since).substr(11, 5);
    if (Fixed(change, 1) == "0.0")
        return say(STORMBELL_TEXT("HistoryNote",
                                  "Pressure steady in 3 hours, from the history since %1 UTC"),
                   {since}) +
               "\n";
    const std::string hpa = say.Forms().Number(Fixed(change, 1));
    const std::string inches = say.Forms().Number(Fixed(change / kHectopascalsPerInch, 2));
    return say(trend.ChangeHpa < 0
                   ? STORMBELL_TEXT("HistoryNote", "Pressure falling %1 hPa (%2 inHg) in 3 hours, "
                                                   "from the history since %3 UTC")
                   : STORMBELL_TEXT("HistoryNote", "Pressure rising %1 hPa (%2 inHg) in 3 hours, "
                                                   "from the history since %3 UTC"),
               {hpa, inches, since}) +
           "\n";
}

} // namespace

std::string HistoryNote(const RecordResult& result, const Wording& wording) {
    const Words say(wording, "HistoryNote");
    std::string note;
    // A report's own tendency is told with its other figures.
    if (result.Trend && result.Trend->Source == TrendSource::History && result.Trend->Since)
        note += TrendLine(say, *result.Trend);
    if (!result.Problem.empty())
        note += say(STORMBELL_TEXT("HistoryNote", "The history could not be written: %1"),
                    {HistoryProblem(result.Problem, wording)}) +
                "\n";
    if (result.Aside)
        note += AsideNotice(*result.Aside, wording) + "\n";
    return note;
}

std::string HistoryProblem(const std::string& problem, const Wording& wording) {
    return wording.Text("HistoryProblem", problem.c_str());
}

} // namespace stormbell

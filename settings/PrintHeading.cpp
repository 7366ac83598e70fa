#include "settings/PrintHeading.h"

#include "observation/ObservationTime.h"
#include "observation/ReportHeader.h"
#include "platform/ShownText.h"

namespace stormbell {

std::string PrintHeading(const std::vector<std::string>& reportLines, const Clock& clock,
                         const Wording& wording) {
    const Words say(wording, "Printout");
    const auto dateAndTime = [&](std::chrono::sys_seconds time) {
        return wording.Date(clock.Local(time), DateForm::DayYearAndTime);
    };
    const auto header = reportLines.empty() ? std::nullopt : ParseReportHeader(reportLines[0]);
    const auto observed =
        reportLines.size() < 2 ? std::nullopt : ParseObservationTime(reportLines[1]);
    const std::string station = header ? header->StationName + " (" + header->Station + ")"
                                       : say(STORMBELL_TEXT("Printout", "Unknown station"));
    const std::string when =
        observed ? say(STORMBELL_TEXT("Printout", "observed %1"), {dateAndTime(*observed)})
                 : say(STORMBELL_TEXT("Printout", "observation time unknown"));
    return station + " — " + when + " — " +
           say(STORMBELL_TEXT("Printout", "printed %1"), {dateAndTime(clock.Now())});
}

} // namespace stormbell

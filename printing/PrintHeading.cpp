#include "printing/PrintHeading.h"

#include <cstdio>
#include <cstdlib>

#include "observation/ReportHeader.h"
#include "platform/ShownText.h"

namespace stormbell {

namespace {

using std::chrono::sys_seconds;

// The clock gives broken-down local time only: its zone is how far that lies from UTC.
std::string Zone(const std::tm& local, sys_seconds when) {
    using namespace std::chrono;
    const sys_days day = year(local.tm_year + 1900) / month(local.tm_mon + 1) / local.tm_mday;
    const sys_seconds wall =
        day + hours(local.tm_hour) + minutes(local.tm_min) + seconds(local.tm_sec);
    const long long offsetMinutes = duration_cast<minutes>(wall - when).count();
    char text[24];
    std::snprintf(text, sizeof text, "UTC%c%02lld:%02lld", offsetMinutes < 0 ? '-' : '+',
                  std::llabs(offsetMinutes) / 60, std::llabs(offsetMinutes) % 60);
    return text;
}

std::string LocalTimeText(const Words& say, const Clock& clock, sys_seconds when) {
    const std::tm local = clock.Local(when);
    return say(STORMBELL_TEXT("Printout", "%1 local time (%2)"),
               {say.Forms().Date(local, DateForm::DayYearAndTime), Zone(local, when)});
}

} // namespace

std::vector<std::string> PrintHeading(const std::vector<std::string>& reportLines,
                                      const Clock& clock, const Wording& wording) {
    const Words say(wording, "Printout");
    const ReportHeader header = ReadReportHeader(reportLines);
    const auto& observed = header.Observed;
    return {
        header.Station.empty() ? say(STORMBELL_TEXT("Printout", "Unknown station"))
                               : header.StationName + " (" + header.Station + ")",
        observed ? say(STORMBELL_TEXT("Printout", "Observed %1 UTC, %2"),
                       {wording.Date(UtcBreakdown(*observed), DateForm::DayYearAndTime),
                        LocalTimeText(say, clock, *observed)})
                 : say(STORMBELL_TEXT("Printout", "Observation time unknown")),
        say(STORMBELL_TEXT("Printout", "Printed %1"), {LocalTimeText(say, clock, clock.Now())}),
    };
}

} // namespace stormbell

#include "printing/PrintHeading.h"

#include <cstdio>

#include "observation/ObservationTime.h"
#include "observation/ReportHeader.h"

namespace stormbell {

namespace {

std::string DateAndTime(const std::tm& local) {
    static constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    char text[40];
    std::snprintf(text, sizeof text, "%s %d, %d %02d:%02d", kMonths[local.tm_mon % 12],
                  local.tm_mday, local.tm_year + 1900, local.tm_hour, local.tm_min);
    return text;
}

} // namespace

std::string PrintHeading(const std::vector<std::string>& reportLines, const Clock& clock) {
    const auto header = reportLines.empty() ? std::nullopt : ParseReportHeader(reportLines[0]);
    const auto observed =
        reportLines.size() < 2 ? std::nullopt : ParseObservationTime(reportLines[1]);
    const std::string station =
        header ? header->StationName + " (" + header->Station + ")" : "Unknown station";
    const std::string when =
        observed ? "observed " + DateAndTime(clock.Local(*observed)) : "observation time unknown";
    return station + " — " + when + " — printed " + DateAndTime(clock.Local(clock.Now()));
}

} // namespace stormbell

#include "settings/PrintHeading.h"

#include <cstdio>

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
    const ReportHeader header = ReadReportHeader(reportLines);
    const std::string station = header.Station.empty()
                                    ? "Unknown station"
                                    : header.StationName + " (" + header.Station + ")";
    const std::string when = header.Observed
                                 ? "observed " + DateAndTime(clock.Local(*header.Observed))
                                 : "observation time unknown";
    return station + " — " + when + " — printed " + DateAndTime(clock.Local(clock.Now()));
}

} // namespace stormbell

// The persisted settings that are not shown values, as the program-wide variables the dialogs,
// the update cycle and the window read and change between the load and the save.
#pragma once

#include <cstdint>
#include <string>

namespace stormbell {

/// The shown values (OTemp ... OWSInfo, DisplayMode) live in Observation and the reference hand's
/// OHumidLoc in Gauges; everything else persisted lives here. Member defaults are the defaults
/// of a store that was never written.
struct Settings {
    std::int16_t FLeft = 213;  ///< main window's left edge, screen pixels
    std::int16_t FTop = 102;   ///< main window's top edge, screen pixels
    std::int32_t LIndex = 0;   ///< station list row last picked
    std::int32_t TValue = 60;  ///< minutes between update cycles, 1..1440
    std::int32_t FTPPortNum = 21; ///< port used instead of 21 when UseProxy
    std::string OCityStr = "KJLN.TXT"; ///< station identifier followed by ".TXT"
    bool LogIt = false;      ///< append every fetched report to METAR.LOG
    bool RunOnStart = false; ///< one update cycle at the end of start-up
    bool UseProxy = false;   ///< connect on FTPPortNum instead of 21
    std::string Host = "tgftp.nws.noaa.gov"; ///< FTP server host name, never with "F#F"
    std::string Direct1 = "data/observations/metar/decoded"; ///< directory of the reports
};

} // namespace stormbell

// The persisted settings that are not shown values, as the program-wide variables the dialogs,
// the update cycle and the window read and change between the load and the save.
#pragma once

#include <cstdint>
#include <string>

namespace stormbell {

/// The shown values (OTemp ... OWSInfo, DisplayMode) live in Observation and the reference hand's
/// OHumidLoc in Gauges; everything else persisted lives here. A new Settings holds the settings
/// table's defaults, the values of a store that was never written.
struct Settings {
    Settings();

    int FLeft;               ///< main window's left edge, screen pixels
    int FTop;                ///< main window's top edge, screen pixels
    std::int32_t LIndex;     ///< station list row last picked
    std::int32_t TValue;     ///< minutes between update cycles
    std::int32_t FTPPortNum; ///< port used when UseProxy
    std::string OCityStr;    ///< station identifier + ".TXT"
    bool LogIt;              ///< append reports to METAR.LOG
    bool RunOnStart;         ///< one update cycle at start-up
    bool UseProxy;           ///< connect on FTPPortNum, not 21
    std::string Host;        ///< FTP server host name
    std::string Direct1;     ///< directory of the reports
};

} // namespace stormbell

// The persisted settings that are not shown values, as the program-wide variables the dialogs,
// the update cycle and the window read and change between the load and the save.
#pragma once

#include <cstdint>
#include <string>

#include "settings/SettingsTable.h"

namespace stormbell {

/// The shown values (OTemp ... OWSInfo, DisplayMode) live in Observation and the reference hand's
/// OHumidLoc in Gauges; everything else persisted lives here. Member defaults are those of the
/// settings table, the values of a store that was never written.
struct Settings {
    std::int16_t FLeft = settingstable::kFLeft.Default; ///< main window's left edge, screen pixels
    std::int16_t FTop = settingstable::kFTop.Default;   ///< main window's top edge, screen pixels
    std::int32_t LIndex = settingstable::kLIndex.Default;         ///< station list row last picked
    std::int32_t TValue = settingstable::kTValue.Default;         ///< minutes between update cycles
    std::int32_t FTPPortNum = settingstable::kFTPPortNum.Default; ///< port used when UseProxy
    std::string OCityStr{settingstable::kOCityStr.Default};       ///< station identifier + ".TXT"
    bool LogIt = settingstable::kLogIt.Default;                   ///< append reports to METAR.LOG
    bool RunOnStart = settingstable::kRunOnStart.Default;         ///< one update cycle at start-up
    bool UseProxy = settingstable::kUseProxy.Default;             ///< connect on FTPPortNum, not 21
    std::string Host{settingstable::kHost.Default};               ///< FTP server host name
    std::string Direct1{settingstable::kDirect1.Default};         ///< directory of the reports
};

} // namespace stormbell

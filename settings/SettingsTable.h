// Every persisted setting in one table: the name it is stored under, the type of the variable
// that holds it (which also chooses its conversion) and its default, plus the limits and the
// anonymous login that start-up applies.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "net/NetTexts.h"
#include "observation/Observation.h"

namespace stormbell::settingstable {

/// One stored setting. Its default is taken when the value is missing and also when the stored
/// text does not convert to T; the default text is the default in the form the save writes.
template <typename T> struct Setting {
    const char* Name;
    T Default;
};

// In load order.
inline constexpr Setting<std::int16_t> kFLeft{"FLeft", 213};
inline constexpr Setting<std::int16_t> kFTop{"FTop", 102};
inline constexpr Setting<std::int32_t> kLIndex{"LIndex", 0};
inline constexpr Setting<std::int32_t> kTValue{"TValue", 60};
inline constexpr Setting<std::int16_t> kOTemp{"OTemp", rest::kTemp};
inline constexpr Setting<std::int32_t> kOHumd{"OHumd", rest::kHumd};
inline constexpr Setting<std::uint16_t> kOHumidLoc{"OHumidLoc", 50};
// The proxy port starts as the standard one, so ticking "Use Proxy" alone changes nothing.
inline constexpr Setting<std::int32_t> kFTPPortNum{"FTPPortNum", nettexts::FtpPort};
inline constexpr Setting<double> kOHeatIndex{"OHeatIndex", rest::kHeatIndex};
inline constexpr Setting<double> kOChill{"OChill", rest::kChill};
inline constexpr Setting<std::string_view> kDisplayMode{"DisplayMode",
                                                        DisplayModeText(rest::kDisplayMode)};
inline constexpr Setting<std::string_view> kOPresInfo{"OPresInfo", rest::kPresInfo};
inline constexpr Setting<std::string_view> kOWDInfo{"OWDInfo", rest::kWDInfo};
inline constexpr Setting<std::string_view> kOWSInfo{"OWSInfo", rest::kWSInfo};
inline constexpr Setting<std::string_view> kOCityStr{"OCityStr", "KJLN.TXT"};
inline constexpr Setting<bool> kLogIt{"LogIt", false};
inline constexpr Setting<bool> kRunOnStart{"RunOnStart", false};
inline constexpr Setting<bool> kUseProxy{"UseProxy", false};
inline constexpr Setting<std::string_view> kHost{"Host", "tgftp.nws.noaa.gov"};
inline constexpr Setting<std::string_view> kDirect1{"Direct1", "data/observations/metar/decoded"};

/// The directory's earlier name; a store still holding it loads the default instead.
inline constexpr std::string_view kFormerDirect1 = "data/observations/metar/stations";

/// The update interval in minutes, as the options dialog's spin holds it.
inline constexpr std::int32_t kFewestMinutes = 1;
inline constexpr std::int32_t kMostMinutes = 1440;

/// The proxy port, as the FTP settings dialog's spin holds it.
inline constexpr std::int32_t kLowestProxyPort = 0;
inline constexpr std::int32_t kHighestProxyPort = 32766;

/// The port the FTP settings dialog's spin makes of a loaded FTPPortNum.
constexpr std::int32_t ClampProxyPort(std::int32_t port) {
    return std::clamp(port, kLowestProxyPort, kHighestProxyPort);
}

/// The login the gauge gives the report server.
inline constexpr std::string_view kAnonymousUser = "anonymous";
inline constexpr std::string_view kAnonymousPassword = "gauge@stormbell.home";
static_assert(kAnonymousPassword.size() == 20, "the anonymous password is 20 characters");

} // namespace stormbell::settingstable

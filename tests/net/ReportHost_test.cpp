#include "net/ReportHost.h"

#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "net/TcpIpErrors.h"

namespace stormbell {
namespace {

TEST(ReportHostTest, TheHostTextNamesTheProtocolTheServerAndItsPort) {
    constexpr auto Ftp = ReportProtocol::Ftp;
    constexpr auto Https = ReportProtocol::Https;
    struct Case {
        std::string host;
        ReportProtocol protocol;
        std::string name;
        std::optional<int> port;
    } cases[] = {
        {"tgftp.nws.noaa.gov", Ftp, "tgftp.nws.noaa.gov", std::nullopt},
        {"", Ftp, "", std::nullopt},                           // fails later, as it always did
        {" odd name:21 ", Ftp, " odd name:21 ", std::nullopt}, // a bare text stays as it is
        {"ftp://tgftp.nws.noaa.gov", Ftp, "tgftp.nws.noaa.gov", std::nullopt},
        {"FTP://127.0.0.1/", Ftp, "127.0.0.1", std::nullopt},
        {"https://tgftp.nws.noaa.gov", Https, "tgftp.nws.noaa.gov", std::nullopt},
        {"https://tgftp.nws.noaa.gov/", Https, "tgftp.nws.noaa.gov", std::nullopt},
        {"Https://127.0.0.1:8443", Https, "127.0.0.1", 8443},
        {"https://my_host-1.example:65535", Https, "my_host-1.example", 65535},
    };
    for (const auto& c : cases) {
        const ReportHost parsed = ParseReportHost(c.host);
        EXPECT_EQ(parsed.Protocol, c.protocol) << c.host;
        EXPECT_EQ(parsed.Name, c.name) << c.host;
        EXPECT_EQ(parsed.Port, c.port) << c.host;
    }
}

TEST(ReportHostTest, AnHttpsTextThatIsNotJustANameAndPortIsRefused) {
    for (const char* host :
         {"https://", "https://:443", "https://host:", "https://host:0", "https://host:65536",
          "https://host:44x", "https://host:+443", "https://user@host", "https://host/reports",
          "https://host?x", "https://ho st", "https://host\r\nX: y", "https://[::1]:443"}) {
        EXPECT_THROW(ParseReportHost(host), ETcpIpError) << host;
    }
}

} // namespace
} // namespace stormbell

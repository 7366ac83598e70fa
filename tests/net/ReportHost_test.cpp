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
        {"", Ftp, "", std::nullopt},                    // fails later, as it always did
        {" 127.0.0.1", Ftp, "127.0.0.1", std::nullopt}, // blanks at either end go alike
        {"127.0.0.1 \t\r\n", Ftp, "127.0.0.1", std::nullopt},
        {"ftp://127.0.0.1:2121", Ftp, "127.0.0.1", 2121},
        {"[::1]", Ftp, "::1", std::nullopt},
        {"[::1]:2121", Ftp, "::1", 2121},
        {"https://[::1]:8443", Https, "::1", 8443},
        {" https://[fe80::1:2]/ ", Https, "fe80::1:2", std::nullopt},
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

TEST(ReportHostTest, AHostTextThatIsNotJustANameAndPortIsRefused) {
    for (const char* host :
         {"https://", "https://:443", "https://host:", "https://host:0", "https://host:65536",
          "https://host:44x", "https://host:+443", "https://user@host", "https://host/reports",
          "https://host?x", "https://ho st", "https://host\r\nX: y", "127.0.0.1 evil.example",
          "127.0.0.1\nfoo", "ftp://host:21x", "[::1", "[::g]", "[::1]x", "::1"}) {
        EXPECT_THROW(ParseReportHost(host), ETcpIpError) << host;
    }
}

} // namespace
} // namespace stormbell

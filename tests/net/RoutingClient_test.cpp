#include "net/RoutingClient.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "net/TcpIpErrors.h"

namespace stormbell {
namespace {

// Writes every call, prefixed by the client's name, into a shared journal.
class RecordingClient final : public ReportClient {
public:
    RecordingClient(std::string name, std::vector<std::string>& journal)
        : name_(std::move(name)), journal_(journal) {}
    void SetRequest(const ReportRequest& request) override { Note("SetRequest " + request.Host); }
    void Login() override { Note("Login"); }
    void ChangeDir() override { Note("ChangeDir"); }
    void Download() override { Note("Download"); }
    const MemoryStream& Report() override {
        Note("Report");
        return report_;
    }
    void Logout() override { Note("Logout"); }
    void Abort() override { Note("Abort"); }

private:
    void Note(const std::string& call) { journal_.push_back(name_ + " " + call); }
    std::string name_;
    std::vector<std::string>& journal_;
    MemoryStream report_;
};

TEST(RoutingClientTest, EachCycleGoesWholeToTheClientItsHostNames) {
    using Journal = std::vector<std::string>;
    struct Case {
        std::string host;
        Journal journal;
    } cases[] = {
        {"tgftp.nws.noaa.gov",
         {"ftp SetRequest tgftp.nws.noaa.gov", "ftp Login", "ftp ChangeDir", "ftp Download",
          "ftp Report", "ftp Logout"}},
        {"https://tgftp.nws.noaa.gov",
         {"https SetRequest https://tgftp.nws.noaa.gov", "https Login", "https ChangeDir",
          "https Download", "https Report", "https Logout"}},
    };
    Journal journal;
    RecordingClient ftp("ftp", journal);
    RecordingClient https("https", journal);
    RoutingClient router(ftp, https);
    for (const auto& c : cases) {
        journal.clear();
        router.SetRequest({c.host, std::nullopt, "dir", "KJLN.TXT"});
        router.Login();
        router.ChangeDir();
        router.Download();
        router.Report();
        router.Logout();
        EXPECT_EQ(journal, c.journal) << c.host;
    }
    journal.clear();
    router.Abort();
    EXPECT_EQ(journal, Journal({"ftp Abort", "https Abort"}));
    EXPECT_THROW(router.SetRequest({"https://bad host", std::nullopt, "dir", "KJLN.TXT"}),
                 ETcpIpError);
    EXPECT_TRUE(journal.size() == 2);
}

} // namespace
} // namespace stormbell

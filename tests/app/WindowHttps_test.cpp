// The window's cycle over HTTPS through the module it loads: the Host text alone switches it,
// closing the window ends a request that waits, and without the module HTTPS is unavailable.
#include "GaugeFixture.h"

#include "app/qt/HttpsModuleLoader.h"
#include "tests/support/HttpsTestServer.h"
#include "tests/support/TempDir.h"

#include <cstdlib>

#include <sys/stat.h>

namespace stormbell::testing {
namespace {

class WindowHttpsTest : public GaugeFixture {
protected:
    // The window trusts the server's CA the way a user would point it at one.
    WindowHttpsTest() {
        limits.MakeHttps = HttpsFromModule({STORMBELL_BINARY_DIR "/app"});
        ::setenv("SSL_CERT_FILE", server.CaFile().c_str(), 1);
        store.Values["Host"] = server.Host();
        store.Values["OCityStr"] = "EGLC.TXT";
    }
    ~WindowHttpsTest() override { program.reset(); }

    HttpsTestServer server;
};

TEST_F(WindowHttpsTest, FetchesShowsAndDecodesTheReportAndCloseEndsAWaitingRequestPromptly) {
    GaugeWindow& w = Start();
    Click(w, "updateBar");
    EXPECT_EQ(w.windowTitle(), "Completed");
    EXPECT_TRUE(ReportBoxText().startsWith("London City Airport"));
    EXPECT_EQ(Brush(w, "redLamp"), 0x40u); // the red lamp stays dark

    program->settings.ReportDirectory = "silent";
    const long long took = RunCycleWhile(w, [](GaugeWindow& window) { window.close(); });
    EXPECT_LT(took, 3000);
    EXPECT_EQ(endCode, 0);
    EXPECT_TRUE(messages.empty());
}

TEST_F(WindowHttpsTest, WithoutItsModuleTheGaugeSaysHttpsIsUnavailable) {
    limits.MakeHttps = HttpsFromModule({STORMBELL_BINARY_DIR "/no-such-folder"});
    GaugeWindow& w = Start();
    Click(w, "updateBar");
    EXPECT_EQ(w.windowTitle(), "Update failed");
    const std::string told = Described(w);
    EXPECT_NE(told.find("HTTPS is unavailable, so nothing can be fetched from " + server.Host() +
                        ": its module is not installed"),
              std::string::npos)
        << told;
}

// A FIFO never reaches TLS, whose open of it would wait for a writer for ever.
TEST_F(WindowHttpsTest, ACaBundleThatIsAFifoFailsTheCycleAtOnce) {
    const TempDir dir;
    const auto fifo = dir.Path() / "ca.fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    ::setenv("SSL_CERT_FILE", fifo.c_str(), 1);
    GaugeWindow& w = Start();
    Click(w, "updateBar");
    EXPECT_EQ(w.windowTitle(), "Update failed");
    EXPECT_EQ(Brush(w, "redLamp"), 0x88u);
    EXPECT_NE(Described(w).find("ca.fifo is not a regular file"), std::string::npos)
        << Described(w);
}

} // namespace
} // namespace stormbell::testing

// What an unchanged report costs the service: 60 timer cycles over HTTPS against a local server
// whose file never changes, fetched whole each time and asked whether it changed, with the bytes
// received per cycle (HTTP headers and body, TLS not counted) and the time of a cycle. Prints
// figures; never fails on them.
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/UpdateCycle.h"
#include "net/HttpsClient.h"
#include "tests/support/HttpsTestServer.h"
#include "tests/support/RecordingWindow.h"

namespace {

using namespace stormbell;

constexpr int kCycles = 60;

struct Figures {
    std::size_t firstBytes = 0;
    std::size_t laterBytes = 0; ///< all cycles after the first
    int unchanged = 0;
    double msPerCycle = 0;
};

Figures RunCycles(const testing::HttpsTestServer& server, bool ifChanged) {
    HttpsClient client;
    client.CaFile = server.CaFile();
    testing::RecordingWindow window;
    DirectRunner runner;
    UpdateCycle cycle(client, window, window, runner, [](const std::vector<std::string>&, bool) {});
    CycleSettings settings;
    settings.Host = server.Host();
    settings.ReportDirectory = "data/observations/metar/decoded";
    settings.StationFile = "KBFI.TXT";
    settings.IfChanged = ifChanged;
    Figures figures;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kCycles; ++i) {
        if (!cycle.Run(settings).Completed())
            std::fprintf(stderr, "cycle %d failed\n", i);
        (i == 0 ? figures.firstBytes : figures.laterBytes) += client.ReceivedBytes();
        figures.unchanged += client.Unchanged() ? 1 : 0;
    }
    figures.msPerCycle =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count() /
        kCycles;
    return figures;
}

} // namespace

int main() {
    const testing::HttpsTestServer server;
    std::printf("%d cycles over HTTPS against a local server, the report unchanged:\n", kCycles);
    for (const bool ifChanged : {false, true}) {
        const Figures f = RunCycles(server, ifChanged);
        std::printf("  %-28s first cycle %zu bytes, later cycles %.0f bytes each "
                    "(%d answered 304), %.1f ms a cycle\n",
                    ifChanged ? "asking whether it changed:" : "fetching it whole:", f.firstBytes,
                    static_cast<double>(f.laterBytes) / (kCycles - 1), f.unchanged, f.msPerCycle);
    }
}

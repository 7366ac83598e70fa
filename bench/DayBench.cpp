// A simulated day of the gauge: the core update cycle, with the real client and decoder, run
// again and again against local servers that serve a report, refuse it, serve an empty file,
// reset the transfer, refuse the connection and stay silent. Prints the process's descriptors,
// threads, established connections and resident memory after the first cycles and the last;
// never fails on them. usage: day_cycles CYCLES GOOD REFUSE EMPTY RESET CLOSED SILENT (ports)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/UpdateCycle.h"
#include "net/Ftp.h"
#include "net/FtpReportClient.h"
#include "observation/ReportDecoder.h"
#include "observation/ReportLines.h"
#include "platform/TextConvert.h"

namespace {

using namespace stormbell;

constexpr const char* kServerNames[] = {"good",    "550",   "empty file", "reset mid-transfer",
                                        "refused", "silent"};
constexpr int kServers = 6;
// The silent server outwaits this; the others answer at once.
constexpr int kIdleTimeoutMs = 300;

class Quiet final : public Lamps, public StatusLine, public FramePresenter, public Pause {
public:
    void SetLampState(LampState) override {}
    void SetStatus(const std::string&) override {}
    void PresentFrame() override {}
    void Sleep(int) override {}
};

std::string StatusField(const char* name) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(name, 0) == 0)
            return line.substr(line.find_first_not_of(" \t", std::string(name).size()));
    return "?";
}

// The process's sockets in the ESTABLISHED state, by their inodes in /proc/net/tcp.
int EstablishedConnections(const std::set<std::string>& inodes) {
    std::ifstream table("/proc/net/tcp");
    std::string line;
    std::getline(table, line);
    int count = 0;
    while (std::getline(table, line)) {
        std::istringstream fields(line);
        std::string slot, local, remote, state, queues, timer, retransmits, uid, timeout, inode;
        fields >> slot >> local >> remote >> state >> queues >> timer >> retransmits >> uid >>
            timeout >> inode;
        if (state == "01" && inodes.count(inode) > 0)
            ++count;
    }
    return count;
}

void PrintFigures(const char* when, int cycles) {
    int descriptors = 0;
    std::set<std::string> sockets;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
        ++descriptors;
        std::error_code error;
        const std::string target = std::filesystem::read_symlink(entry.path(), error).string();
        if (target.rfind("socket:[", 0) == 0)
            sockets.insert(target.substr(8, target.size() - 9));
    }
    std::printf("  %-16s %5d cycles: %2d descriptors, %s threads, %d established connections, "
                "RSS %s\n",
                when, cycles, descriptors - 1, StatusField("Threads:").c_str(),
                EstablishedConnections(sockets), StatusField("VmRSS:").c_str());
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2 + kServers) {
        std::fprintf(stderr, "usage: day_cycles CYCLES GOOD REFUSE EMPTY RESET CLOSED SILENT\n");
        return 2;
    }
    const int cycles = std::atoi(argv[1]);
    Quiet quiet;
    Observation observation = FreshStoreObservation();
    ReportDecoder decoder(observation, quiet, quiet, quiet, ".");
    TFTP ftp;
    ftp.IdleTimeout = kIdleTimeoutMs;
    FtpReportClient client(ftp);
    DirectRunner runner;
    UpdateCycle cycle(
        client, quiet, quiet, runner,
        [&](const std::vector<std::string>& lines, bool logIt) { decoder.BreakOut(lines, logIt); });
    CycleSettings settings;
    settings.Host = "127.0.0.1";
    settings.ReportDirectory = "data/observations/metar/decoded";
    settings.StationFile = "EGLC.TXT";
    settings.UseProxy = true;
    std::map<std::string, int> outcomes;
    std::printf("a simulated day: %d update cycles through the core cycle, rotating over %d local "
                "servers\n",
                cycles, kServers);
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < cycles; ++i) {
        settings.ProxyPort = std::atoi(argv[2 + i % kServers]);
        const bool read = cycle.Run(settings).Completed();
        ++outcomes[std::string(kServerNames[i % kServers]) + (read ? ": reading" : ": failed")];
        if (i + 1 == 10)
            PrintFigures("after", i + 1);
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    PrintFigures("after the last", cycles);
    std::printf("  %.1f s in all, %.1f ms a cycle; outcomes:", seconds, seconds * 1000 / cycles);
    for (const auto& [outcome, count] : outcomes)
        std::printf(" %s %d;", outcome.c_str(), count);
    std::printf("\n  shown at the end: %d F, %d %%, %s inHg\n", observation.Shown.TemperatureF,
                observation.Shown.HumidityPercent,
                FloatToStrGeneral(observation.Shown.PressureInHg).c_str());
    return 0;
}

// `stormbell-cli fetch`: one station's report through the gauge's own update cycle.
#include <optional>

#include "app/UpdateCycle.h"
#include "net/Ftp.h"
#include "net/FtpReportClient.h"
#include "net/HttpsClient.h"
#include "net/NetTexts.h"
#include "net/RoutingClient.h"
#include "observation/ReportLines.h"
#include "platform/TextConvert.h"
#include "settings/Settings.h"
#include "settings/stations/StationDirectory.h"
#include "tools/cli/Commands.h"
#include "tools/cli/Headless.h"

namespace stormbell {

namespace {

// Reports are small, but the tool also serves scripts and benchmarks fetching large files,
// where the gauge's 4 KiB blocks would cost a system call or two per 4 KiB.
constexpr std::size_t kBulkBlockSize = 64 * 1024;
constexpr const char* kFetchUsage =
    "usage: stormbell-cli fetch [--host H] [--port N] [--dir D] [--active] [--decode] STATION\n";
constexpr const char* kPrefix = "stormbell-cli fetch: ";

struct FetchOptions {
    CycleSettings cycle;
    bool Active = false;
    bool Decode = false;
};

// Nothing on a usage error. A port given is used as the FTP dialog's port with UseProxy on.
std::optional<FetchOptions> ParseOptions(const std::vector<std::string>& args) {
    const Settings defaults;
    FetchOptions options;
    options.cycle.Host = defaults.Host;
    options.cycle.ReportDirectory = defaults.ReportDirectory;
    std::string station;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--active") {
            options.Active = true;
        } else if (arg == "--decode") {
            options.Decode = true;
        } else if (arg == "--host" && hasValue) {
            options.cycle.Host = args[++i];
        } else if (arg == "--dir" && hasValue) {
            options.cycle.ReportDirectory = args[++i];
        } else if (arg == "--port" && hasValue) {
            const auto port = TryStrToInt(args[++i]);
            if (!port || *port < 0 || *port > 65535)
                return std::nullopt;
            options.cycle.UseProxy = true;
            options.cycle.ProxyPort = *port;
        } else if (arg.starts_with("--") || !station.empty()) {
            return std::nullopt;
        } else {
            station = arg;
        }
    }
    if (station.empty())
        return std::nullopt;
    options.cycle.StationFile = StationFileName(station);
    return options;
}

// Without --decode the report is passed on as it came.
CycleOutcome RunCycle(UpdateCycle& cycle, const FetchOptions& options, std::ostream& out) {
    if (options.Decode)
        return cycle.Run(options.cycle);
    return cycle.Fetch(options.cycle, [&](const MemoryStream& r) {
        out.write(r.Data(), static_cast<std::streamsize>(r.Size()));
    });
}

} // namespace

int RunFetch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto options = ParseOptions(args);
    if (!options) {
        err << kFetchUsage;
        return 2;
    }
    TFTP ftp;
    ftp.Username = nettexts::AnonymousUsername;
    ftp.Password = nettexts::AnonymousPassword;
    ftp.Passive = !options->Active;
    ftp.BlockSize = kBulkBlockSize;
    FtpReportClient ftpClient(ftp);
    HttpsClient https;
    RoutingClient client(ftpClient, https);
    NoLamps lamps;
    NoStatus status;
    DirectRunner runner;
    bool decoded = true;
    UpdateCycle cycle(client, lamps, status, runner,
                      [&](const std::vector<std::string>& lines, bool) {
                          Observation observation = FreshStoreObservation();
                          decoded = DecodeAndPrint(lines, observation, false, out);
                      });
    if (const CycleOutcome outcome = RunCycle(cycle, *options, out); !outcome.Completed()) {
        // Escaped where it is made, as the window shows it; escaping again would double it.
        err << kPrefix << outcome.Message << '\n';
        return 1;
    }
    return EndOutput(out, err, "fetch", decoded ? 0 : 1);
}

} // namespace stormbell

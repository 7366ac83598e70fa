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
#include "tools/cli/TextEscapes.h"

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

// Holds the report for the decoder.
class TextReportBox final : public ReportBox {
public:
    void LoadReport(const std::string& bytes) override { text_ = bytes; }
    std::vector<std::string> Lines() const override { return SplitReportLines(text_); }

private:
    std::string text_;
};

// Without --decode the report is passed on as it came; a failed cycle's error is raised again
// so that its reason is told.
void RunCycle(UpdateCycle& cycle, const FetchOptions& options, std::ostream& out) {
    const bool fetched = options.Decode
                             ? cycle.Run(options.cycle)
                             : cycle.Fetch(options.cycle, [&](const MemoryStream& r) {
                                   out.write(r.Data(), static_cast<std::streamsize>(r.Size()));
                               });
    if (!fetched)
        std::rethrow_exception(cycle.FetchError());
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
    TextReportBox box;
    DirectRunner runner;
    bool decoded = true;
    UpdateCycle cycle(client, lamps, status, box, runner,
                      [&](const std::vector<std::string>& lines, bool) {
                          Observation observation = FreshStoreObservation();
                          decoded = DecodeAndPrint(lines, observation, false, out);
                      });
    try {
        RunCycle(cycle, *options, out);
    } catch (const EUpdateFailed& error) {
        err << kPrefix << ErrorText(error.what()) << '\n';
        return 1;
    }
    return EndOutput(out, err, "fetch", decoded ? 0 : 1);
}

} // namespace stormbell

// `stormbell-cli fetch`: one station's report from the weather service's FTP server, the way
// the gauge fetches it (anonymous login, change of directory, download into memory).
#include <optional>

#include "net/Ftp.h"
#include "platform/TextConvert.h"
#include "tools/cli/Commands.h"

namespace stormbell {

namespace {

constexpr const char* DefaultHost = "tgftp.nws.noaa.gov";
constexpr std::int32_t DefaultPort = 21;
constexpr const char* DefaultDirectory = "data/observations/metar/decoded";
constexpr const char* AnonymousUser = "anonymous";
constexpr const char* AnonymousPassword = "gauge@stormbell.home";
constexpr const char* ReportExtension = ".TXT";
// Reports are small, but the tool also serves scripts and benchmarks fetching large files,
// where the gauge's 4 KiB blocks would cost a system call or two per 4 KiB.
constexpr std::size_t BulkBlockSize = 64 * 1024;
constexpr const char* FetchUsage =
    "usage: stormbell-cli fetch [--host H] [--port N] [--dir D] [--active] [--decode] STATION\n";

struct FetchOptions {
    std::string Host = DefaultHost;
    std::int32_t Port = DefaultPort;
    std::string Directory = DefaultDirectory;
    bool Active = false;
    bool Decode = false;
    std::string Station;
};

// Nothing on a usage error.
std::optional<FetchOptions> ParseOptions(const std::vector<std::string>& args) {
    FetchOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--active") {
            options.Active = true;
        } else if (arg == "--decode") {
            options.Decode = true;
        } else if (arg == "--host" && hasValue) {
            options.Host = args[++i];
        } else if (arg == "--dir" && hasValue) {
            options.Directory = args[++i];
        } else if (arg == "--port" && hasValue) {
            const auto port = TryStrToInt(args[++i]);
            if (!port || *port < 0 || *port > 65535)
                return std::nullopt;
            options.Port = *port;
        } else if (arg.starts_with("--") || !options.Station.empty()) {
            return std::nullopt;
        } else {
            options.Station = arg;
        }
    }
    if (options.Station.empty())
        return std::nullopt;
    return options;
}

} // namespace

int RunFetch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto options = ParseOptions(args);
    if (!options) {
        err << FetchUsage;
        return 2;
    }
    TFTP ftp;
    ftp.Hostname = nettexts::PortMarker + options->Host;
    ftp.NewFTPPort = options->Port;
    ftp.Username = AnonymousUser;
    ftp.Password = AnonymousPassword;
    ftp.Passive = !options->Active;
    ftp.BlockSize = BulkBlockSize;
    try {
        ftp.Login();
        ftp.ChangeDir(options->Directory);
        ftp.URI = options->Station + ReportExtension;
        ftp.Download();
        ftp.Logout();
    } catch (const EProtocolError& error) {
        err << "stormbell-cli fetch: " << error.what() << " (code " << error.ErrorCode << ")\n";
        return 1;
    } catch (const ESocketError& error) {
        err << "stormbell-cli fetch: " << error.what() << " (code " << error.ErrorCode << ")\n";
        return 1;
    } catch (const ETcpIpError& error) {
        err << "stormbell-cli fetch: " << error.what() << '\n';
        return 1;
    }
    const MemoryStream& report = ftp.Stream();
    if (options->Decode) {
        Observation observation = FreshStoreObservation();
        return DecodeAndPrint(std::string(report.Data(), report.Size()), observation, out) ? 0 : 1;
    }
    out.write(report.Data(), static_cast<std::streamsize>(report.Size()));
    out.flush();
    return out ? 0 : 1;
}

} // namespace stormbell

// `stormbell-cli decode`: the decoder and a headless sweep over report files.
#include <cerrno>
#include <cstring>
#include <optional>

#include "observation/ReportDecoder.h"
#include "observation/ReportHeader.h"
#include "observation/ReportLines.h"
#include "observation/ReportScan.h"
#include "platform/TextConvert.h"
#include "tools/cli/Commands.h"
#include "tools/cli/Headless.h"
#include "tools/cli/ObservationJson.h"
#include "tools/cli/ReportFile.h"

namespace stormbell {

namespace {

constexpr const char* kDecodeUsage = "usage: stormbell-cli decode [--log] FILE...\n";
constexpr const char* kStandardInput = "standard input";

} // namespace

bool DecodeAndPrint(const std::vector<std::string>& lines, Observation& observation, bool logIt,
                    std::ostream& out) {
    NoFrames frames;
    NoPause pause;
    NoStatus status;
    ReportDecoder decoder(observation, frames, pause, status, ".");
    std::optional<std::string> refused;
    try {
        decoder.BreakOut(lines, logIt);
    } catch (const EConvertError& error) {
        // It quotes the report's single-byte text.
        refused = Latin1ToUtf8(error.what());
    } catch (const ELogFileError& error) {
        refused = error.what();
    } catch (const ENotAReading& error) {
        refused = error.what();
    }
    if (!decoder.LogProblem().empty())
        StderrMessages().ShowMessage(decoder.LogProblem());
    if (refused) {
        WriteErrorJson(out, *refused);
        return false;
    }
    WriteObservationJson(out, observation, ReadReportHeader(lines), decoder.LastSweepFrames());
    // The reading stands without its log entry, but the run did not do all it was asked.
    return decoder.LogProblem().empty();
}

int EndOutput(std::ostream& out, std::ostream& err, const char* command, int status) {
    errno = 0;
    out.flush();
    if (out)
        return status;
    err << "stormbell-cli " << command << ": the output could not be written";
    if (errno != 0)
        err << ": " << std::strerror(errno);
    err << '\n';
    return 1;
}

int RunDecode(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
              std::ostream& err) {
    bool logIt = false;
    std::vector<std::string> names;
    for (const auto& arg : args) {
        if (arg == "--log") {
            logIt = true;
        } else if (arg.starts_with("--")) {
            err << kDecodeUsage;
            return 2;
        } else {
            names.push_back(arg);
        }
    }
    if (names.empty()) {
        err << "stormbell-cli decode: no report file given\n" << kDecodeUsage;
        return 2;
    }
    Observation observation = FreshStoreObservation();
    bool allDecoded = true;
    for (const auto& name : names) {
        std::string text;
        try {
            text = name == "-" ? ReadReportStream(in, kStandardInput) : ReadReportFile(name);
        } catch (const EReportFileError& error) {
            WriteErrorJson(out, error.what());
            allDecoded = false;
            continue;
        }
        allDecoded = DecodeAndPrint(SplitReportLines(text), observation, logIt, out) && allDecoded;
    }
    return EndOutput(out, err, "decode", allDecoded ? 0 : 1);
}

} // namespace stormbell

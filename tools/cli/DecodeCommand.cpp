// `stormbell-cli decode`: the decoder and a headless sweep over report files.
#include <cerrno>
#include <cstring>

#include "observation/ObservationTime.h"
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
    StderrMessages messages;
    ReportDecoder decoder(observation, frames, pause, status, messages, ".");
    try {
        decoder.BreakOut(lines, logIt);
    } catch (const EConvertError& error) {
        // It quotes the report's single-byte text.
        WriteErrorJson(out, Latin1ToUtf8(error.what()));
        return false;
    } catch (const ELogFileError& error) {
        WriteErrorJson(out, error.what());
        return false;
    } catch (const ENotAReading& error) {
        WriteErrorJson(out, error.what());
        return false;
    }
    const auto header = lines.empty() ? std::nullopt : ParseReportHeader(lines[0]);
    const auto observed = lines.size() < 2 ? std::nullopt : ParseObservationTime(lines[1]);
    WriteObservationJson(out, observation, header, observed, decoder.LastSweepFrames());
    // The log tells of a report it could not take only through its messages; the reading still
    // stands, but the run did not do all it was asked.
    return messages.Count() == 0;
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

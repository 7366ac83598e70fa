// `stormbell-cli decode`: the decoder and a headless sweep over report files.
#include <cerrno>
#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>

#include "observation/ReportDecoder.h"
#include "observation/ReportLines.h"
#include "platform/TextConvert.h"
#include "tools/cli/Commands.h"
#include "tools/cli/Headless.h"
#include "tools/cli/ObservationJson.h"

namespace stormbell {

namespace {

std::string ReadAll(std::istream& in) {
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

bool DecodeAndPrint(const std::string& reportText, Observation& observation, std::ostream& out) {
    NoFrames frames;
    NoPause pause;
    NoStatus status;
    StderrMessages messages;
    ReportDecoder decoder(observation, frames, pause, status, messages, ".");
    try {
        decoder.BreakOut(SplitReportLines(reportText), false);
    } catch (const EConvertError& error) {
        WriteErrorJson(out, error.what());
        return false;
    }
    WriteObservationJson(out, observation, decoder.LastSweepFrames());
    return true;
}

int RunDecode(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
              std::ostream& err) {
    if (args.empty()) {
        err << "stormbell-cli decode: no report file given\n";
        return 2;
    }
    Observation observation = FreshStoreObservation();
    bool allDecoded = true;
    for (const auto& name : args) {
        std::string text;
        if (name == "-") {
            text = ReadAll(in);
        } else {
            std::ifstream file(name, std::ios::binary);
            if (!file) {
                const std::string reason = std::generic_category().message(errno);
                WriteErrorJson(out, "Cannot open " + name + ": " + reason);
                allDecoded = false;
                continue;
            }
            text = ReadAll(file);
            if (file.bad()) {
                WriteErrorJson(out, "Cannot read " + name);
                allDecoded = false;
                continue;
            }
        }
        allDecoded = DecodeAndPrint(text, observation, out) && allDecoded;
    }
    return allDecoded ? 0 : 1;
}

} // namespace stormbell

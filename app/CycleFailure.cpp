#include "app/CycleFailure.h"

#include "net/ConnectFailure.h"
#include "net/LoadedClient.h"
#include "net/ReportHost.h"
#include "net/TcpIpErrors.h"
#include "observation/ReportLines.h"
#include "observation/ReportLog.h"
#include "observation/ReportScan.h"
#include "platform/ShownText.h"
#include "platform/TextConvert.h"

namespace stormbell {

EEmptyReport::EEmptyReport() : std::runtime_error("The server sent an empty report") {}

namespace {

constexpr std::uint16_t kNotFound = 550;
constexpr int kFtpPort = 21;
constexpr int kHttpsPort = 443;

// Every control character (C0, DEL and C1) and the backslash as \xNN, so that neither a setting
// nor a server's reply can break the tooltip's line or steer a terminal, and an escape cannot be
// faked. Done once on each part a setting or a server gave, never on the words around them, which
// hold none of these.
std::string EscapedControls(std::string_view singleByte) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string escaped;
    for (const char c : singleByte) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || (byte >= 0x7f && byte <= 0x9f) || byte == '\\') {
            escaped += "\\x";
            escaped += kHex[byte >> 4];
            escaped += kHex[byte & 0xF];
        } else {
            escaped += c;
        }
    }
    return escaped;
}

// A setting's or a server's single-byte text, escaped and in UTF-8, ready to stand in the words.
std::string Shown(std::string_view singleByte) {
    return Latin1ToUtf8(EscapedControls(singleByte));
}

// The host name and port a connection went to, as far as the Host setting tells them.
std::string ConnectTarget(const Words& say, const CyclePlace& place) {
    try {
        const ReportHost host = ParseReportHost(place.Host);
        const int protocolPort = host.Protocol == ReportProtocol::Https ? kHttpsPort : kFtpPort;
        return say(STORMBELL_TEXT("Failure", "%1 port %2"),
                   {Shown(host.Name),
                    IntToStr(place.ProxyPort.value_or(host.Port.value_or(protocolPort)))});
    } catch (const std::exception&) {
        return Shown(place.Host);
    }
}

// Why nothing was sent: a client that could not be made in words, any other reason by its text.
std::string CheckReason(const Words& say, const std::exception& error) {
    const auto* unavailable = dynamic_cast<const EClientUnavailable*>(&error);
    if (unavailable == nullptr)
        return Shown(error.what());
    return ClientUnavailableText(unavailable->Why, Shown(unavailable->Host),
                                 Shown(unavailable->Detail), say.Forms());
}

// The server's refusal quoted with its code, a socket's failure in words; any other error by
// its text.
std::string Reason(const Words& say, const std::exception& error) {
    // The decoder's own reasons are the program's words, and so the reader's.
    if (const auto* large = dynamic_cast<const EReportTooLarge*>(&error))
        return TooLargeMessage(large->Size(), say.Forms());
    if (dynamic_cast<const ENotAReading*>(&error) != nullptr ||
        dynamic_cast<const ENotADecodedReport*>(&error) != nullptr)
        return say.Forms().Text("Report", error.what());
    if (const auto* refusal = dynamic_cast<const EProtocolError*>(&error))
        return Shown("\"" + IntToStr(refusal->ErrorCode) + " " + refusal->what() + "\"");
    if (const auto* socket = dynamic_cast<const ESocketError*>(&error))
        return Shown(SocketErrorWords(socket->ErrorCode));
    return Shown(error.what());
}

bool IsNotFound(const std::exception& error) {
    const auto* refusal = dynamic_cast<const EProtocolError*>(&error);
    return refusal != nullptr && refusal->ErrorCode == kNotFound;
}

std::string Message(const Words& say, CycleStep step, const CyclePlace& place,
                    const std::exception& error) {
    const std::string host = Shown(place.Host);
    const std::string directory = Shown(place.Directory);
    const std::string file = Shown(place.File);
    switch (step) {
    case CycleStep::Check:
        // Refused here, not by the server: nothing to quote.
        return say(STORMBELL_TEXT("Failure", "Nothing was sent to %1: %2"),
                   {host, CheckReason(say, error)});
    case CycleStep::Connect:
        return say(STORMBELL_TEXT("Failure", "Could not connect to %1: %2"),
                   {ConnectTarget(say, place), Shown(ConnectFailureReason(error))});
    case CycleStep::Login:
        return say(STORMBELL_TEXT("Failure", "Could not log in to %1: %2"),
                   {host, Reason(say, error)});
    case CycleStep::ChangeDir:
        if (IsNotFound(error))
            return say(STORMBELL_TEXT("Failure", "The directory %1 was not found on %2: %3"),
                       {directory, host, Reason(say, error)});
        return say(STORMBELL_TEXT("Failure", "Could not change to the directory %1 on %2: %3"),
                   {directory, host, Reason(say, error)});
    case CycleStep::Download:
        if (dynamic_cast<const EEmptyReport*>(&error) != nullptr)
            return say(STORMBELL_TEXT("Failure", "%1, asked for %2 in %3, sent an empty report"),
                       {host, file, directory});
        if (IsNotFound(error))
            return say(STORMBELL_TEXT("Failure", "%1 was not found in %2 on %3: %4"),
                       {file, directory, host, Reason(say, error)});
        return say(STORMBELL_TEXT("Failure", "%1 could not be fetched from %2 on %3: %4"),
                   {file, directory, host, Reason(say, error)});
    case CycleStep::Logout:
        return say(STORMBELL_TEXT("Failure", "Logging out of %1 failed after %2 was fetched: %3"),
                   {host, file, Reason(say, error)});
    case CycleStep::Decode:
        if (dynamic_cast<const ENotADecodedReport*>(&error) != nullptr)
            return say(STORMBELL_TEXT("Failure", "%1 from %2 on %3 is not a decoded report: %4"),
                       {file, directory, host, Reason(say, error)});
        break;
    case CycleStep::Log:
        break;
    }
    return say(STORMBELL_TEXT("Failure", "%1 from %2 on %3 was not decoded: %4"),
               {file, directory, host, Reason(say, error)});
}

// Only a reply of the server's means it was reached; the decoder's log errors are the log's. A
// CA bundle that cannot be used stops the fetch before anything is sent.
CycleStep StepOf(CycleStep step, const std::exception& error) {
    if (dynamic_cast<const ECaBundleError*>(&error) != nullptr)
        return CycleStep::Check;
    if (step == CycleStep::Login && dynamic_cast<const EProtocolError*>(&error) == nullptr)
        return CycleStep::Connect;
    if (step == CycleStep::Decode && dynamic_cast<const ELogFileError*>(&error) != nullptr)
        return CycleStep::Log;
    // The transfer went well; what came is no report.
    if (dynamic_cast<const ENotADecodedReport*>(&error) != nullptr)
        return CycleStep::Decode;
    return step;
}

} // namespace

CycleOutcome FailedCycle(CycleStep step, const CyclePlace& place, const std::exception& error,
                         const Wording& wording) {
    const CycleStep failedAt = StepOf(step, error);
    return {failedAt,
            std::current_exception(),
            CycleFailureMessage(failedAt, place, error, wording),
            {},
            false};
}

std::string CycleFailureMessage(CycleStep step, const CyclePlace& place,
                                const std::exception& error, const Wording& wording) {
    return Message(Words(wording, "Failure"), step, place, error);
}

bool FtpBlocked(const CycleOutcome& outcome, const std::string& host,
                std::string_view serviceHost) {
    if (outcome.FailedAt != CycleStep::Connect)
        return false;
    try {
        const ReportHost parsed = ParseReportHost(host);
        if (parsed.Protocol != ReportProtocol::Ftp || !EqualIgnoringCase(parsed.Name, serviceHost))
            return false;
        std::rethrow_exception(outcome.Cause);
    } catch (const ESocketError&) {
        return true;
    } catch (...) {
    }
    return false;
}

} // namespace stormbell

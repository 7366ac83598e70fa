#include "app/CycleFailure.h"

#include "net/ConnectFailure.h"
#include "net/ReportHost.h"
#include "net/TcpIpErrors.h"
#include "observation/ReportLog.h"
#include "observation/ReportScan.h"
#include "platform/TextConvert.h"

namespace stormbell {

EEmptyReport::EEmptyReport() : std::runtime_error("The server sent an empty report") {}

namespace {

constexpr std::uint16_t kNotFound = 550;
constexpr int kFtpPort = 21;
constexpr int kHttpsPort = 443;

// Every control character (C0, DEL and C1) and the backslash as \xNN, so that neither a setting
// nor a server's reply can break the tooltip's line or steer a terminal, and an escape cannot be
// faked. Done once, on the whole message: no part of it is escaped before.
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

// The host name and port a connection went to, as far as the Host setting tells them.
std::string ConnectTarget(const CyclePlace& place) {
    try {
        const ReportHost host = ParseReportHost(place.Host);
        const int protocolPort = host.Protocol == ReportProtocol::Https ? kHttpsPort : kFtpPort;
        return host.Name + " port " +
               IntToStr(place.ProxyPort.value_or(host.Port.value_or(protocolPort)));
    } catch (const std::exception&) {
        return place.Host;
    }
}

// The server's refusal quoted with its code, a socket's failure in words; any other error by
// its text.
std::string Reason(const std::exception& error) {
    if (const auto* refusal = dynamic_cast<const EProtocolError*>(&error))
        return "\"" + IntToStr(refusal->ErrorCode) + " " + refusal->what() + "\"";
    if (const auto* socket = dynamic_cast<const ESocketError*>(&error))
        return SocketErrorWords(socket->ErrorCode);
    return error.what();
}

bool IsNotFound(const std::exception& error) {
    const auto* refusal = dynamic_cast<const EProtocolError*>(&error);
    return refusal != nullptr && refusal->ErrorCode == kNotFound;
}

std::string SingleByteMessage(CycleStep step, const CyclePlace& place,
                              const std::exception& error) {
    const std::string in = " in " + place.Directory + " on " + place.Host;
    switch (step) {
    case CycleStep::Check:
        // Refused here, not by the server: nothing to quote.
        return "Nothing was sent to " + place.Host + ": " + error.what();
    case CycleStep::Connect:
        return "Could not connect to " + ConnectTarget(place) + ": " + ConnectFailureReason(error);
    case CycleStep::Login:
        return "Could not log in to " + place.Host + ": " + Reason(error);
    case CycleStep::ChangeDir:
        if (IsNotFound(error))
            return "The directory " + place.Directory + " was not found on " + place.Host + ": " +
                   Reason(error);
        return "Could not change to the directory " + place.Directory + " on " + place.Host + ": " +
               Reason(error);
    case CycleStep::Download:
        if (dynamic_cast<const EEmptyReport*>(&error) != nullptr)
            return place.Host + ", asked for " + place.File + " in " + place.Directory +
                   ", sent an empty report";
        if (IsNotFound(error))
            return place.File + " was not found" + in + ": " + Reason(error);
        return place.File + " could not be fetched from " + place.Directory + " on " + place.Host +
               ": " + Reason(error);
    case CycleStep::Logout:
        return "Logging out of " + place.Host + " failed after " + place.File +
               " was fetched: " + Reason(error);
    case CycleStep::Decode:
        if (dynamic_cast<const ENotADecodedReport*>(&error) != nullptr)
            return place.File + " from " + place.Directory + " on " + place.Host +
                   " is not a decoded report: " + error.what();
        break;
    case CycleStep::Log:
        break;
    }
    return place.File + " from " + place.Directory + " on " + place.Host +
           " was not decoded: " + Reason(error);
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

CycleOutcome FailedCycle(CycleStep step, const CyclePlace& place, const std::exception& error) {
    const CycleStep failedAt = StepOf(step, error);
    return {failedAt, std::current_exception(), CycleFailureMessage(failedAt, place, error), {}};
}

std::string CycleFailureMessage(CycleStep step, const CyclePlace& place,
                                const std::exception& error) {
    return Latin1ToUtf8(EscapedControls(SingleByteMessage(step, place, error)));
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

// The HTTPS client's requests: where each goes, the one GET that Login makes of it, and what
// Download and Report then give; the curl side is in the other Https*.cpp files.
#include "net/HttpsClient.h"

#include <cstdlib>
#include <optional>
#include <string_view>

#include "net/HttpsSession.h"
#include "net/ReportHost.h"
#include "net/TcpIpErrors.h"

namespace stormbell {

namespace {

constexpr int kHttpsPort = 443;
constexpr const char* kCaFileVariable = "SSL_CERT_FILE";
constexpr const char* kNotHttps = "Not an HTTPS server: ";
constexpr const char* kNoRequest = "No HTTPS server was given";

bool IsPathCharacter(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~' || c == '/';
}

// The directory and file as a URL path: whatever they hold stays a path (no query, fragment or
// line break can ride in), and the directory's leading or trailing '/' does not double up.
std::string EncodedPath(std::string_view directory, const std::string& fileName) {
    while (directory.starts_with('/'))
        directory.remove_prefix(1);
    while (directory.ends_with('/'))
        directory.remove_suffix(1);
    const std::string path = directory.empty() ? fileName : std::string(directory) + "/" + fileName;
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    for (const char ch : path) {
        const auto c = static_cast<unsigned char>(ch);
        if (IsPathCharacter(c)) {
            encoded += ch;
        } else {
            encoded += '%';
            encoded += kHex[c >> 4];
            encoded += kHex[c & 0xF];
        }
    }
    return encoded;
}

} // namespace

HttpsClient::HttpsClient() : session_(std::make_unique<Session>()) {
    if (const char* caFile = std::getenv(kCaFileVariable))
        CaFile = caFile;
}

HttpsClient::~HttpsClient() = default;

void HttpsClient::SetRequest(const ReportRequest& request) {
    ReportHost host;
    try {
        host = ParseReportHost(request.Host);
    } catch (const ETcpIpError&) {
        validators_.Forget();
        throw;
    }
    if (host.Protocol != ReportProtocol::Https) {
        validators_.Forget();
        throw ETcpIpError(kNotHttps + request.Host);
    }
    // Cleared here, on the cycle's thread before the transfer starts, so that an abort racing
    // with the start of Login is never lost.
    aborted_ = false;
    request_ = request;
    hostName_ = host.Name;
    port_ = request.Port.value_or(host.Port.value_or(kHttpsPort));
    place_ = {hostName_, port_, request.Directory, request.FileName};
    validators_.MoveTo(place_);
}

void HttpsClient::Login() {
    ThrowIfAborted();
    kept_ = nullptr;
    unchanged_ = false;
    Session& s = *session_;
    s.Reset(MaxDownloadSize);
    if (hostName_.empty())
        throw ETcpIpError(kNoRequest);
    if (request_.FileName.empty())
        return;
    CheckCaFile(CaFile);
    const std::string where = HostInUrl(hostName_) + ":" + std::to_string(port_);
    const std::string url =
        "https://" + where + "/" + EncodedPath(request_.Directory, request_.FileName);
    s.Configure(*this, url);
    const auto condition = request_.IfChanged ? validators_.ConditionFor(place_) : std::nullopt;
    if (condition)
        s.AddCondition(condition->Name + ": " + condition->Value);
    const bool conditional = condition.has_value();
    const TransferEnd end = s.Transfer(*this, where);
    ThrowIfAborted();
    if (conditional && s.final && s.status == 304 && !end.limitBroken && end.code == CURLE_OK) {
        unchanged_ = true;
        s.report.Clear();
        return;
    }
    kept_ = s.ClassifyAnswer(end, *this, where);
    if (kept_)
        validators_.Forget();
    else
        validators_.Keep(place_, s.tag, s.modified.empty() ? s.date : s.modified);
}

void HttpsClient::Download() {
    ThrowIfAborted();
    if (kept_)
        std::rethrow_exception(kept_);
}

const MemoryStream& HttpsClient::Report() {
    return session_->report;
}

std::size_t HttpsClient::ReceivedBytes() const {
    return session_->received;
}

void HttpsClient::Abort() {
    aborted_ = true;
    curl_multi_wakeup(session_->multi);
}

} // namespace stormbell

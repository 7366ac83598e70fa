#include "net/HttpsClient.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <new>
#include <string_view>

#include <curl/curl.h>

#include "generated/Version.h"
#include "net/LowSpeedWatch.h"
#include "net/ReportHost.h"
#include "net/TcpIpErrors.h"
#include "platform/Sockets.h"
#include "platform/TextConvert.h"

namespace stormbell {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kHttpsPort = 443;
constexpr const char* kProtocolHttp = "HTTP";
constexpr const char* kOnlyHttps = "https";
constexpr const char* kCaFileVariable = "SSL_CERT_FILE";
// Abort wakes the wait at once; the bound only paces the checks of the time limits.
constexpr int kMaxWaitMs = 1000;
constexpr const char* kNotHttps = "Not an HTTPS server: ";
constexpr const char* kNoRequest = "No HTTPS server was given";
constexpr const char* kCurlFailed = "libcurl could not start";
constexpr const char* kHttpsTo = "HTTPS to ";
constexpr const char* kRedirectRefused = ": a redirect to other than https was refused: ";
constexpr const char* kNoReport = "The server has no ";
constexpr const char* kInDirectory = " in the directory ";
constexpr const char* kOnHost = " on ";
constexpr const char* kCaBundle = "The CA bundle ";
constexpr const char* kCaNotFile = " is not a regular file";
constexpr const char* kCaMissing = " does not exist";
constexpr const char* kSystemCaBundle = "The system's CA bundle";
constexpr const char* kCaUnreadable = " could not be read: ";
constexpr const char* kHeaderTooLarge = "Response header larger than the limit (bytes) of ";
// Far above any real answer's header; curl itself refuses a single header line above 100 KB.
constexpr std::size_t kMostHeaderBytes = 64 * 1024;
// A status line is a code and a few words; a longer one is cut, so no message carries pages.
constexpr std::size_t kMostStatusChars = 200;
constexpr std::string_view kCutMark = "...";

void StartCurl() {
    static std::once_flag once;
    static CURLcode started = CURLE_OK;
    std::call_once(once, [] { started = curl_global_init(CURL_GLOBAL_DEFAULT); });
    if (started != CURLE_OK)
        throw ETcpIpError(kCurlFailed);
}

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

// "HTTP/1.1 404 Not Found", "HTTP/2 200": the three digits after the first blank, else 0.
long StatusCode(std::string_view statusLine) {
    const auto blank = statusLine.find(' ');
    if (blank == std::string_view::npos || statusLine.size() < blank + 4)
        return 0;
    long code = 0;
    for (const char c : statusLine.substr(blank + 1, 3)) {
        if (c < '0' || c > '9')
            return 0;
        code = code * 10 + (c - '0');
    }
    return code;
}

std::string StatusText(std::string_view line) {
    line = Trimmed(line);
    if (line.size() <= kMostStatusChars)
        return std::string(line);
    return std::string(line.substr(0, kMostStatusChars)) + std::string(kCutMark);
}

// Only a regular file is handed to TLS, whose open would wait for ever on a FIFO's writer.
void CheckCaFile(const std::string& caFile) {
    if (caFile.empty())
        return;
    std::error_code error;
    const auto status = std::filesystem::status(caFile, error);
    if (status.type() == std::filesystem::file_type::not_found)
        throw ECaBundleError(kCaBundle + caFile + kCaMissing);
    if (status.type() != std::filesystem::file_type::regular)
        throw ECaBundleError(kCaBundle + caFile + kCaNotFile);
}

bool IsFollowedRedirect(long status) {
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

// How a transfer ended, besides what the callbacks learnt.
struct TransferEnd {
    CURLcode code = CURLE_OK;
    std::exception_ptr limitBroken; ///< the silence or the low-speed limit's error
};

// The silence and the low-speed limit from the end of the TLS handshake on (curl bounds what
// comes before), measured as the FTP client measures them, and the whole transfer's limit.
class ProgressWatch {
public:
    ProgressWatch(const HttpsClient& client, const std::string& where)
        : idleTimeoutMs_(client.IdleTimeout), lowSpeedLimit_(client.LowSpeedLimit),
          transferTimeoutMs_(client.TransferTimeout), where_(where) {}

    /// The error of a limit broken with `received` bytes in all so far, or nullptr; lowers
    /// `waitMs` to when a limit must be judged next.
    std::exception_ptr Check(CURL* easy, std::uint64_t received, int& waitMs) {
        const Clock::time_point now = Clock::now();
        if (transferTimeoutMs_ > 0) {
            const auto leftMs =
                transferTimeoutMs_ -
                std::chrono::duration_cast<std::chrono::milliseconds>(now - start_).count();
            if (leftMs <= 0)
                return std::make_exception_ptr(ETcpIpError(nettexts::ErrorTransferTimeout +
                                                           std::to_string(transferTimeoutMs_) +
                                                           kOnHost + where_));
            waitMs = static_cast<int>(std::min<long long>(waitMs, leftMs));
        }
        if (!connected_) {
            curl_off_t connectedUs = 0;
            curl_easy_getinfo(easy, CURLINFO_APPCONNECT_TIME_T, &connectedUs);
            if (connectedUs <= 0)
                return nullptr;
            connected_ = true;
            lastByte_ = start_ + std::chrono::microseconds(connectedUs);
            lowSpeed_.Start(lastByte_, lowSpeedLimit_, idleTimeoutMs_);
        }
        if (received > seen_) {
            lowSpeed_.Add(static_cast<std::size_t>(received - seen_));
            seen_ = received;
            lastByte_ = now;
        }
        const auto silentMs =
            std::chrono::duration_cast<std::chrono::milliseconds>(now - lastByte_).count();
        if (idleTimeoutMs_ > 0 && silentMs >= idleTimeoutMs_)
            return std::make_exception_ptr(ETcpIpError(
                nettexts::ErrorReceiveTimeout + std::to_string(idleTimeoutMs_) + kOnHost + where_));
        if (!lowSpeed_.Check(now))
            return std::make_exception_ptr(ETcpIpError(
                nettexts::ErrorTooSlow + std::to_string(lowSpeedLimit_) +
                nettexts::ErrorTooSlowFor + std::to_string(idleTimeoutMs_) + kOnHost + where_));
        if (idleTimeoutMs_ > 0)
            waitMs = std::min<long long>(waitMs, idleTimeoutMs_ - silentMs);
        if (const int windowMs = lowSpeed_.MsToWindowEnd(now); windowMs > 0)
            waitMs = std::min(waitMs, windowMs);
        return nullptr;
    }

private:
    int idleTimeoutMs_;
    std::size_t lowSpeedLimit_;
    int transferTimeoutMs_;
    std::string where_;
    Clock::time_point start_ = Clock::now();
    bool connected_ = false;
    Clock::time_point lastByte_;
    std::uint64_t seen_ = 0;
    LowSpeedWatch lowSpeed_;
};

} // namespace

// The curl handles and what one request learns; the callbacks write here.
struct HttpsClient::Session {
    Session() {
        StartCurl();
        easy = curl_easy_init();
        multi = curl_multi_init();
        if (easy == nullptr || multi == nullptr) {
            Release();
            throw ETcpIpError(kCurlFailed);
        }
    }
    ~Session() { Release(); }
    void Release() {
        curl_slist_free_all(condition);
        if (easy != nullptr)
            curl_easy_cleanup(easy);
        if (multi != nullptr)
            curl_multi_cleanup(multi);
    }

    // The start of a request.
    void Reset(std::size_t maxBytes) {
        report.Clear();
        statusLine.clear();
        ClearValidators();
        curl_slist_free_all(condition);
        condition = nullptr;
        status = 0;
        location = false;
        final = false;
        tooLarge = false;
        headerTooLarge = false;
        headerBytes = 0;
        received = 0;
        wireBytes = 0;
        wireSeen = 0;
        socket = CURL_SOCKET_BAD;
        errors[0] = '\0';
        limit = maxBytes;
    }

    static std::size_t Body(char* data, std::size_t size, std::size_t count, void* self) {
        auto& s = *static_cast<Session*>(self);
        const std::size_t n = size * count;
        s.received += n;
        if (n > s.limit - s.report.Size()) {
            s.tooLarge = true;
            return 0;
        }
        // No exception may unwind through curl.
        try {
            s.report.Write(data, n);
        } catch (const std::bad_alloc&) {
            return 0;
        }
        return n;
    }

    // Tells a final answer from a redirect that curl is about to follow: only the final one's
    // status decides, and only after it has begun may a failure wait for Download.
    static std::size_t Header(char* data, std::size_t size, std::size_t count, void* self) {
        auto& s = *static_cast<Session*>(self);
        const std::size_t n = size * count;
        s.received += n;
        const std::string_view line(data, n);
        if (line.starts_with("HTTP/")) {
            // The body that counts is the one of the response that begins here.
            s.report.Clear();
            s.headerBytes = 0;
            s.statusLine = StatusText(line);
            s.location = false;
            s.ClearValidators();
            s.status = StatusCode(s.statusLine);
        } else if (StartsWithIgnoringCase(line, "location:")) {
            s.location = true;
        } else if (StartsWithIgnoringCase(line, "etag:")) {
            s.tag = Trimmed(line.substr(5));
        } else if (StartsWithIgnoringCase(line, "last-modified:")) {
            s.modified = Trimmed(line.substr(14));
        } else if (StartsWithIgnoringCase(line, "date:")) {
            s.date = Trimmed(line.substr(5));
        } else if (Trimmed(line).empty() && s.status >= 200) {
            s.final = !(s.location && IsFollowedRedirect(s.status));
        }
        s.headerBytes += n;
        if (s.headerBytes > kMostHeaderBytes) {
            s.headerTooLarge = true;
            return 0;
        }
        return n;
    }

    void ClearValidators() {
        tag.clear();
        modified.clear();
        date.clear();
    }

    // Each connection curl opens, so that the bytes the system receives on it are counted: curl
    // hands on a header only line by line, and a trickle inside one line must still count.
    static int NewSocket(void* self, curl_socket_t socket, curlsocktype) {
        auto& s = *static_cast<Session*>(self);
        s.socket = socket;
        s.wireSeen = 0;
        return CURL_SOCKOPT_OK;
    }

    // What has arrived so far: the system's count of the connections' bytes where it tells it,
    // else what curl handed on.
    std::uint64_t Arrived() {
        const auto now = socket != CURL_SOCKET_BAD
                             ? BytesReceivedOnSocket(static_cast<SocketHandle>(socket))
                             : std::nullopt;
        if (!now)
            return std::max<std::uint64_t>(received, wireBytes);
        wireBytes += *now >= wireSeen ? *now - wireSeen : 0;
        wireSeen = *now;
        return std::max<std::uint64_t>(received, wireBytes);
    }

    void Configure(const HttpsClient& client, const std::string& url);
    /// Sends `header` with the request.
    void AddCondition(const std::string& header);
    TransferEnd Transfer(const HttpsClient& client, const std::string& where);
    std::exception_ptr ClassifyAnswer(const TransferEnd& end, const HttpsClient& client,
                                      const std::string& where);
    std::exception_ptr TransportFailure(const TransferEnd& end, const std::string& hostName,
                                        const std::string& where) const;

    CURL* easy = nullptr;
    CURLM* multi = nullptr;
    MemoryStream report;
    std::string statusLine;
    long status = 0;
    bool location = false;
    bool final = false;
    bool tooLarge = false;
    bool headerTooLarge = false;
    std::size_t headerBytes = 0; ///< of the response being read
    std::size_t received = 0;
    std::uint64_t wireBytes = 0; ///< counted by the system, over every connection
    std::uint64_t wireSeen = 0;  ///< the current connection's count when last asked
    curl_socket_t socket = CURL_SOCKET_BAD;
    std::size_t limit = 0;
    // The final answer's ETag, Last-Modified and Date.
    std::string tag;
    std::string modified;
    std::string date;
    curl_slist* condition = nullptr;
    char errors[CURL_ERROR_SIZE] = {};
};

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

void HttpsClient::Session::Configure(const HttpsClient& client, const std::string& url) {
    curl_easy_reset(easy);
    curl_easy_setopt(easy, CURLOPT_URL, url.c_str());
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, kOnlyHttps);
    curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, kOnlyHttps);
    curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(easy, CURLOPT_MAXREDIRS, client.MaxRedirects);
    curl_easy_setopt(easy, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(easy, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!client.CaFile.empty()) {
        curl_easy_setopt(easy, CURLOPT_CAINFO, client.CaFile.c_str());
        curl_easy_setopt(easy, CURLOPT_CAPATH, nullptr);
    }
    // The Use Proxy port is a port, not a proxy; the environment's proxies are not ours to take.
    curl_easy_setopt(easy, CURLOPT_PROXY, "");
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(client.ConnectTimeout));
    curl_easy_setopt(easy, CURLOPT_MAXFILESIZE_LARGE,
                     static_cast<curl_off_t>(client.MaxDownloadSize));
    curl_easy_setopt(easy, CURLOPT_USERAGENT, (std::string("Stormbell/") + kVersion).c_str());
    curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, errors);
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &Session::Body);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, this);
    curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, &Session::Header);
    curl_easy_setopt(easy, CURLOPT_HEADERDATA, this);
    curl_easy_setopt(easy, CURLOPT_SOCKOPTFUNCTION, &Session::NewSocket);
    curl_easy_setopt(easy, CURLOPT_SOCKOPTDATA, this);
}

void HttpsClient::Session::AddCondition(const std::string& header) {
    curl_slist* added = curl_slist_append(condition, header.c_str());
    if (added == nullptr)
        throw std::bad_alloc();
    condition = added;
    curl_easy_setopt(easy, CURLOPT_HTTPHEADER, condition);
}

TransferEnd HttpsClient::Session::Transfer(const HttpsClient& client, const std::string& where) {
    if (curl_multi_add_handle(multi, easy) != CURLM_OK)
        throw ETcpIpError(kCurlFailed);
    // Detached however the wait ends, so the next request can attach it again.
    struct Attached {
        CURLM* multi;
        CURL* easy;
        ~Attached() { curl_multi_remove_handle(multi, easy); }
    } attached{multi, easy};
    TransferEnd end;
    ProgressWatch watch(client, where);
    int running = 1;
    while (!client.aborted_) {
        curl_multi_perform(multi, &running);
        if (running == 0)
            break;
        int waitMs = kMaxWaitMs;
        end.limitBroken = watch.Check(easy, Arrived(), waitMs);
        if (end.limitBroken)
            break;
        curl_multi_poll(multi, nullptr, 0, waitMs, nullptr);
    }
    int queued = 0;
    while (CURLMsg* message = curl_multi_info_read(multi, &queued))
        if (message->msg == CURLMSG_DONE)
            end.code = message->data.result;
    return end;
}

// Throws what the cycle counts as a failed login: no final answer (the server was not reached or
// not trusted), 401 or 403. Returns the file's own failure, kept for Download, or nullptr.
std::exception_ptr HttpsClient::Session::ClassifyAnswer(const TransferEnd& end,
                                                        const HttpsClient& client,
                                                        const std::string& where) {
    if (end.code == CURLE_SSL_CACERT_BADFILE) {
        report.Clear();
        throw ECaBundleError((client.CaFile.empty() ? kSystemCaBundle : kCaBundle + client.CaFile) +
                             kCaUnreadable +
                             (errors[0] != '\0' ? errors : curl_easy_strerror(end.code)));
    }
    if (end.code == CURLE_FILESIZE_EXCEEDED)
        tooLarge = final = true;
    const bool refused = status == 401 || status == 403;
    if (!final || refused)
        report.Clear();
    if (!final)
        std::rethrow_exception(TransportFailure(end, client.hostName_, where));
    if (refused)
        throw EProtocolError(kProtocolHttp, statusLine, static_cast<std::uint16_t>(status));
    std::exception_ptr kept;
    if (status == 404)
        kept = std::make_exception_ptr(EProtocolError(kProtocolHttp,
                                                      kNoReport + client.request_.FileName +
                                                          kInDirectory + client.request_.Directory +
                                                          kOnHost + where + " (" + statusLine + ")",
                                                      404));
    else if (status < 200 || status > 299)
        kept = std::make_exception_ptr(
            EProtocolError(kProtocolHttp, statusLine, static_cast<std::uint16_t>(status)));
    else if (tooLarge)
        kept = std::make_exception_ptr(
            ETcpIpError(nettexts::ErrorDownloadTooLarge + std::to_string(client.MaxDownloadSize)));
    else if (end.limitBroken || end.code != CURLE_OK)
        kept = TransportFailure(end, client.hostName_, where);
    if (kept)
        report.Clear();
    report.Seek(0);
    return kept;
}

std::exception_ptr HttpsClient::Session::TransportFailure(const TransferEnd& end,
                                                          const std::string& hostName,
                                                          const std::string& where) const {
    if (end.limitBroken)
        return end.limitBroken;
    if (end.code == CURLE_COULDNT_RESOLVE_HOST)
        return std::make_exception_ptr(EHostNotFound(nettexts::ErrorResolve + hostName));
    // curl gives a header line beyond its own limit as out of memory.
    if (headerTooLarge || (end.code == CURLE_OUT_OF_MEMORY && !final))
        return std::make_exception_ptr(
            ETcpIpError(kHeaderTooLarge + std::to_string(kMostHeaderBytes) + kOnHost + where));
    const std::string text = errors[0] != '\0' ? errors : curl_easy_strerror(end.code);
    if (end.code == CURLE_UNSUPPORTED_PROTOCOL)
        return std::make_exception_ptr(ETcpIpError(kHttpsTo + where + kRedirectRefused + text));
    // With the system's error code, the user reads the same words as for FTP.
    long systemError = 0;
    if (end.code == CURLE_COULDNT_CONNECT &&
        curl_easy_getinfo(easy, CURLINFO_OS_ERRNO, &systemError) == CURLE_OK && systemError > 0 &&
        systemError <= 0xFFFF)
        return std::make_exception_ptr(
            ESocketError(static_cast<std::uint16_t>(systemError), kHttpsTo + where + ": " + text));
    return std::make_exception_ptr(ETcpIpError(kHttpsTo + where + ": " + text));
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

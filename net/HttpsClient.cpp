#include "net/HttpsClient.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <mutex>
#include <new>
#include <string_view>

#include <curl/curl.h>

#include "generated/Version.h"
#include "net/LowSpeedWatch.h"
#include "net/ReportHost.h"
#include "net/TcpIpErrors.h"
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

bool IsFollowedRedirect(long status) {
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

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
        if (easy != nullptr)
            curl_easy_cleanup(easy);
        if (multi != nullptr)
            curl_multi_cleanup(multi);
    }

    // The start of a request.
    void Reset(std::size_t maxBytes) {
        report.Clear();
        statusLine.clear();
        status = 0;
        location = false;
        final = false;
        tooLarge = false;
        received = 0;
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
            s.statusLine = std::string(Trimmed(line));
            s.location = false;
            s.status = StatusCode(s.statusLine);
        } else if (StartsWithIgnoringCase(line, "location:")) {
            s.location = true;
        } else if (Trimmed(line).empty() && s.status >= 200) {
            s.final = !(s.location && IsFollowedRedirect(s.status));
        }
        return n;
    }

    CURL* easy = nullptr;
    CURLM* multi = nullptr;
    MemoryStream report;
    std::string statusLine;
    long status = 0;
    bool location = false;
    bool final = false;
    bool tooLarge = false;
    std::size_t received = 0;
    std::size_t limit = 0;
    char errors[CURL_ERROR_SIZE] = {};
};

HttpsClient::HttpsClient() : session_(std::make_unique<Session>()) {
    if (const char* caFile = std::getenv(kCaFileVariable))
        CaFile = caFile;
}

HttpsClient::~HttpsClient() = default;

void HttpsClient::SetRequest(const ReportRequest& request) {
    const ReportHost host = ParseReportHost(request.Host);
    if (host.Protocol != ReportProtocol::Https)
        throw ETcpIpError(kNotHttps + request.Host);
    // Cleared here, on the cycle's thread before the transfer starts, so that an abort racing
    // with the start of Login is never lost.
    aborted_ = false;
    request_ = request;
    hostName_ = host.Name;
    port_ = request.Port.value_or(host.Port.value_or(kHttpsPort));
}

void HttpsClient::Login() {
    ThrowIfAborted();
    kept_ = nullptr;
    Session& s = *session_;
    s.Reset(MaxDownloadSize);
    if (hostName_.empty())
        throw ETcpIpError(kNoRequest);
    const ReportRequest& request = request_;
    if (request.FileName.empty())
        return;
    const std::string where = hostName_ + ":" + std::to_string(port_);
    const std::string url =
        "https://" + where + "/" + EncodedPath(request.Directory, request.FileName);

    CURL* easy = s.easy;
    curl_easy_reset(easy);
    curl_easy_setopt(easy, CURLOPT_URL, url.c_str());
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, kOnlyHttps);
    curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, kOnlyHttps);
    curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(easy, CURLOPT_MAXREDIRS, MaxRedirects);
    curl_easy_setopt(easy, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(easy, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!CaFile.empty()) {
        curl_easy_setopt(easy, CURLOPT_CAINFO, CaFile.c_str());
        curl_easy_setopt(easy, CURLOPT_CAPATH, nullptr);
    }
    // The Use Proxy port is a port, not a proxy; the environment's proxies are not ours to take.
    curl_easy_setopt(easy, CURLOPT_PROXY, "");
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(ConnectTimeout));
    curl_easy_setopt(easy, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(MaxDownloadSize));
    curl_easy_setopt(easy, CURLOPT_USERAGENT, (std::string("Stormbell/") + kVersion).c_str());
    curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, s.errors);
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &Session::Body);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, &s);
    curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, &Session::Header);
    curl_easy_setopt(easy, CURLOPT_HEADERDATA, &s);

    // curl bounds the connection and the TLS handshake; from then on the silence and the
    // low-speed limit are ours, measured as the FTP client measures them.
    std::exception_ptr limitBroken;
    CURLcode code = CURLE_OK;
    if (curl_multi_add_handle(s.multi, easy) != CURLM_OK)
        throw ETcpIpError(kCurlFailed);
    {
        // Detached however the wait ends, so the next request can attach it again.
        struct Attached {
            CURLM* multi;
            CURL* easy;
            ~Attached() { curl_multi_remove_handle(multi, easy); }
        } attached{s.multi, easy};
        const Clock::time_point start = Clock::now();
        bool connected = false;
        Clock::time_point lastByte;
        std::size_t seen = 0;
        LowSpeedWatch lowSpeed;
        int running = 1;
        while (!aborted_) {
            curl_multi_perform(s.multi, &running);
            if (running == 0)
                break;
            const Clock::time_point now = Clock::now();
            curl_off_t connectedUs = 0;
            curl_easy_getinfo(easy, CURLINFO_APPCONNECT_TIME_T, &connectedUs);
            if (!connected && connectedUs > 0) {
                connected = true;
                lastByte = start + std::chrono::microseconds(connectedUs);
                lowSpeed.Start(lastByte, LowSpeedLimit, IdleTimeout);
            }
            int waitMs = kMaxWaitMs;
            if (connected) {
                if (s.received > seen) {
                    lowSpeed.Add(s.received - seen);
                    seen = s.received;
                    lastByte = now;
                }
                const auto silentMs =
                    std::chrono::duration_cast<std::chrono::milliseconds>(now - lastByte).count();
                if (IdleTimeout > 0 && silentMs >= IdleTimeout) {
                    limitBroken = std::make_exception_ptr(
                        ETcpIpError(nettexts::ErrorReceiveTimeout + std::to_string(IdleTimeout) +
                                    kOnHost + where));
                    break;
                }
                if (!lowSpeed.Check(now)) {
                    limitBroken = std::make_exception_ptr(ETcpIpError(
                        nettexts::ErrorTooSlow + std::to_string(LowSpeedLimit) +
                        nettexts::ErrorTooSlowFor + std::to_string(IdleTimeout) + kOnHost + where));
                    break;
                }
                if (IdleTimeout > 0)
                    waitMs = std::min<long long>(waitMs, IdleTimeout - silentMs);
                if (const int windowMs = lowSpeed.MsToWindowEnd(now); windowMs > 0)
                    waitMs = std::min(waitMs, windowMs);
            }
            curl_multi_poll(s.multi, nullptr, 0, waitMs, nullptr);
        }
        int queued = 0;
        while (CURLMsg* message = curl_multi_info_read(s.multi, &queued))
            if (message->msg == CURLMSG_DONE)
                code = message->data.result;
    }
    ThrowIfAborted();

    if (code == CURLE_FILESIZE_EXCEEDED)
        s.tooLarge = s.final = true;
    const auto failure = [&]() -> std::exception_ptr {
        if (limitBroken)
            return limitBroken;
        if (code == CURLE_COULDNT_RESOLVE_HOST)
            return std::make_exception_ptr(ETcpIpError(nettexts::ErrorResolve + hostName_));
        const std::string text = s.errors[0] != '\0' ? s.errors : curl_easy_strerror(code);
        if (code == CURLE_UNSUPPORTED_PROTOCOL)
            return std::make_exception_ptr(ETcpIpError(kHttpsTo + where + kRedirectRefused + text));
        return std::make_exception_ptr(ETcpIpError(kHttpsTo + where + ": " + text));
    };
    // Reaching the server and being let in: what the cycle treats as the login.
    if (!s.final || s.status == 401 || s.status == 403)
        s.report.Clear();
    if (!s.final)
        std::rethrow_exception(failure());
    if (s.status == 401 || s.status == 403)
        throw EProtocolError(kProtocolHttp, s.statusLine, static_cast<std::uint16_t>(s.status));
    // The file's own outcome.
    if (s.status == 404)
        kept_ = std::make_exception_ptr(EProtocolError(kProtocolHttp,
                                                       kNoReport + request.FileName + kInDirectory +
                                                           request.Directory + kOnHost + where +
                                                           " (" + s.statusLine + ")",
                                                       404));
    else if (s.status < 200 || s.status > 299)
        kept_ = std::make_exception_ptr(
            EProtocolError(kProtocolHttp, s.statusLine, static_cast<std::uint16_t>(s.status)));
    else if (s.tooLarge)
        kept_ = std::make_exception_ptr(
            ETcpIpError(nettexts::ErrorDownloadTooLarge + std::to_string(MaxDownloadSize)));
    else if (limitBroken || code != CURLE_OK)
        kept_ = failure();
    if (kept_)
        s.report.Clear();
    s.report.Seek(0);
}

void HttpsClient::Download() {
    ThrowIfAborted();
    if (kept_)
        std::rethrow_exception(kept_);
}

const MemoryStream& HttpsClient::Report() {
    return session_->report;
}

void HttpsClient::Abort() {
    aborted_ = true;
    curl_multi_wakeup(session_->multi);
}

} // namespace stormbell

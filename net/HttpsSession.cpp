// The HTTPS client's curl handles: made once, reset at the start of each request and set up
// with the request's address, checks, bounds and callbacks.
#include "net/HttpsSession.h"

#include <mutex>
#include <new>

#include "generated/Version.h"
#include "net/TcpIpErrors.h"

namespace stormbell {

namespace {

constexpr const char* kOnlyHttps = "https";

void StartCurl() {
    static std::once_flag once;
    static CURLcode started = CURLE_OK;
    std::call_once(once, [] { started = curl_global_init(CURL_GLOBAL_DEFAULT); });
    if (started != CURLE_OK)
        throw ETcpIpError(kCurlFailed);
}

} // namespace

HttpsClient::Session::Session() {
    StartCurl();
    easy = curl_easy_init();
    multi = curl_multi_init();
    if (easy == nullptr || multi == nullptr) {
        Release();
        throw ETcpIpError(kCurlFailed);
    }
}

HttpsClient::Session::~Session() {
    Release();
}

void HttpsClient::Session::Release() {
    curl_slist_free_all(condition);
    if (easy != nullptr)
        curl_easy_cleanup(easy);
    if (multi != nullptr)
        curl_multi_cleanup(multi);
}

void HttpsClient::Session::Reset(std::size_t maxBytes) {
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

} // namespace stormbell

// Internal to the HTTPS client's own files, not for use elsewhere: the curl handles and what one
// request learns, shared by the set-up, the transfer, the reading of the answer and its wording.
#pragma once

#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>

#include <curl/curl.h>

#include "net/HttpsClient.h"
#include "net/MemoryStream.h"

namespace stormbell {

inline constexpr const char* kCurlFailed = "libcurl could not start";
inline constexpr const char* kOnHost = " on ";
// Far above any real answer's header; curl itself refuses a single header line above 100 KB.
inline constexpr std::size_t kMostHeaderBytes = 64 * 1024;

// How a transfer ended, besides what the callbacks learnt.
struct TransferEnd {
    CURLcode code = CURLE_OK;
    std::exception_ptr limitBroken; ///< the silence or the low-speed limit's error
};

/// Throws ECaBundleError when `caFile` is given but is missing or not a regular file.
void CheckCaFile(const std::string& caFile);

// The curl handles and what one request learns; the callbacks write here.
struct HttpsClient::Session {
    /// Throws ETcpIpError when libcurl cannot start.
    Session();
    ~Session();
    void Release();

    // The start of a request.
    void Reset(std::size_t maxBytes);

    static std::size_t Body(char* data, std::size_t size, std::size_t count, void* self);
    static std::size_t Header(char* data, std::size_t size, std::size_t count, void* self);
    void ClearValidators();
    static int NewSocket(void* self, curl_socket_t socket, curlsocktype);
    std::uint64_t Arrived();

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

} // namespace stormbell

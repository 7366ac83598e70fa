// The HTTPS client's failures in words: which outcome of a request counts as a failed login,
// which is kept for Download, and what the user reads for each.
#include "net/HttpsSession.h"

#include <filesystem>

#include "net/NetTexts.h"
#include "net/TcpIpErrors.h"

namespace stormbell {

namespace {

constexpr const char* kProtocolHttp = "HTTP";
constexpr const char* kHttpsTo = "HTTPS to ";
constexpr const char* kRedirectRefused = ": a redirect to other than https was refused: ";
constexpr const char* kNoReport = "The server has no ";
constexpr const char* kInDirectory = " in the directory ";
constexpr const char* kCaBundle = "The CA bundle ";
constexpr const char* kCaNotFile = " is not a regular file";
constexpr const char* kCaMissing = " does not exist";
constexpr const char* kSystemCaBundle = "The system's CA bundle";
constexpr const char* kCaUnreadable = " could not be read: ";
constexpr const char* kHeaderTooLarge = "Response header larger than the limit (bytes) of ";

} // namespace

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

} // namespace stormbell

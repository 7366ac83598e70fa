// The HTTPS client's transfer: curl driven until the answer is in, an abort or a broken bound,
// with the silence, the low-speed limit and the whole request's deadline judged on the way.
#include "net/HttpsSession.h"

#include <algorithm>
#include <chrono>
#include <optional>

#include "net/LowSpeedWatch.h"
#include "net/NetTexts.h"
#include "net/TcpIpErrors.h"
#include "platform/Sockets.h"

namespace stormbell {

namespace {

using Clock = std::chrono::steady_clock;

// Abort wakes the wait at once; the bound only paces the checks of the time limits.
constexpr int kMaxWaitMs = 1000;

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

// Each connection curl opens, so that the bytes the system receives on it are counted: curl
// hands on a header only line by line, and a trickle inside one line must still count.
int HttpsClient::Session::NewSocket(void* self, curl_socket_t socket, curlsocktype) {
    auto& s = *static_cast<Session*>(self);
    s.socket = socket;
    s.wireSeen = 0;
    return CURL_SOCKOPT_OK;
}

// What has arrived so far: the system's count of the connections' bytes where it tells it,
// else what curl handed on.
std::uint64_t HttpsClient::Session::Arrived() {
    const auto now = socket != CURL_SOCKET_BAD
                         ? BytesReceivedOnSocket(static_cast<SocketHandle>(socket))
                         : std::nullopt;
    if (!now)
        return std::max<std::uint64_t>(received, wireBytes);
    wireBytes += *now >= wireSeen ? *now - wireSeen : 0;
    wireSeen = *now;
    return std::max<std::uint64_t>(received, wireBytes);
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

} // namespace stormbell

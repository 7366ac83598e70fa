// The few blocking IPv4 TCP socket operations the network component needs, over POSIX sockets or
// Winsock. Addresses are 32-bit IPv4 values in network byte order; no call ever raises SIGPIPE;
// error codes are errno values on both sides.
#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>

namespace stormbell {

#ifdef _WIN32
using SocketHandle = std::uintptr_t;
/// The handle value meaning "no socket" (Winsock's INVALID_SOCKET).
inline constexpr SocketHandle NoSocketHandle = ~SocketHandle{0};
#else
using SocketHandle = int;
/// The handle value meaning "no socket".
inline constexpr SocketHandle NoSocketHandle = -1;
#endif

/// The all-ones address: "no address" / "unresolved".
inline constexpr std::uint32_t NoAddress = 0xFFFFFFFFu;

/// An IPv6 address: its 16 bytes in network order.
using Ipv6Address = std::array<std::uint8_t, 16>;

/// An IPv4 address (network byte order) and a port (host byte order).
struct SocketEndpoint {
    std::uint32_t Address = 0;
    std::uint16_t Port = 0;
};

/// A signal that wakes every socket wait given it, raised from any thread and kept raised until
/// cleared, so a wait that starts after the raise returns at once too.
class WakeSignal {
public:
    /// Throws std::system_error when the system has no descriptor left for it.
    WakeSignal();
    ~WakeSignal();
    WakeSignal(const WakeSignal&) = delete;
    WakeSignal& operator=(const WakeSignal&) = delete;

    /// Raises the signal; safe from any thread, never fails.
    void Raise();
    /// Lowers the signal so that waits block again.
    void Clear();
    /// True between Raise and Clear.
    bool Raised() const { return raised_; }
    /// The handle a wait polls; readable while the signal is raised.
    SocketHandle Handle() const { return handle_; }

private:
    SocketHandle handle_;
    std::atomic<bool> raised_{false};
    std::mutex lock_; // keeps the flag and the descriptor's state in step
};

/// Starts the system's socket library for the whole process where it needs starting (Winsock);
/// later calls do nothing. Every call below starts it as needed; the library stops at exit.
void StartSocketLibrary();

/// An address in network byte order as a number in host order (ntohl).
std::uint32_t HostOrder(std::uint32_t address);

/// How a wait for a socket ended.
enum class WaitResult { Ready, TimedOut, Woken };

/// The error code of the last failed socket call on this thread (an errno value; Winsock's
/// codes are turned into theirs).
int LastSocketError();

/// True for the codes meaning "the call would have blocked".
bool IsWouldBlock(int error);

/// The code meaning "the socket is not connected".
int NotConnectedError();

/// A new IPv4 stream socket, or with `ipv6` an IPv6 one; NoSocketHandle on failure (see
/// LastSocketError).
SocketHandle CreateTcpSocket(bool ipv6 = false);

/// Connects `s` to `peer`, giving up after `timeoutMs` (0: no limit) with ETIMEDOUT, or when
/// `wake` is raised with ECANCELED. Returns false on failure (see LastSocketError); `s` stays
/// blocking either way.
bool ConnectSocket(SocketHandle s, SocketEndpoint peer, int timeoutMs,
                   const WakeSignal* wake = nullptr);

/// As ConnectSocket, for an IPv6 socket and peer.
bool ConnectSocket6(SocketHandle s, const Ipv6Address& address, std::uint16_t port, int timeoutMs,
                    const WakeSignal* wake = nullptr);

/// Binds `s` to `local`; false on failure.
bool BindSocket(SocketHandle s, SocketEndpoint local);

/// Marks `s` as listening with the given backlog; false on failure.
bool ListenOnSocket(SocketHandle s, int backlog);

/// Accepts one connection on listening socket `s`; the new handle or NoSocketHandle.
SocketHandle AcceptOnSocket(SocketHandle s, SocketEndpoint& peer);

/// Waits until `s` has data, an end or an error to report (Ready), `timeoutMs` passed
/// (TimedOut; 0: no limit) or `wake` is raised (Woken). An invalid handle counts as ready so
/// the next call reports it.
WaitResult WaitReadable(SocketHandle s, int timeoutMs, const WakeSignal* wake = nullptr);

/// As WaitReadable, for whichever of `first` and `second` (NoSocketHandle: none) has something
/// to report first; on Ready, `firstReady` tells whether `first` has.
WaitResult WaitReadableEither(SocketHandle first, SocketHandle second, bool& firstReady,
                              int timeoutMs, const WakeSignal* wake = nullptr);

/// As WaitReadable, for room to send.
WaitResult WaitWritable(SocketHandle s, int timeoutMs, const WakeSignal* wake = nullptr);

/// One non-blocking recv: the byte count, 0 at the peer's end, -1 on error (would-block
/// included: wait with WaitReadable).
long ReceiveFromSocket(SocketHandle s, void* buffer, std::size_t size);

/// One non-blocking send without SIGPIPE: the byte count taken, or -1 on error.
long SendOnSocket(SocketHandle s, const void* data, std::size_t length);

/// Shuts down the sending side of `s`; false on failure.
bool ShutdownSending(SocketHandle s);

/// Closes `s`; failures are of no interest to any caller.
void CloseSocketHandle(SocketHandle s);

/// Closes `s` with a reset instead of an orderly end, dropping what is still unsent.
void ResetSocketHandle(SocketHandle s);

/// The connected peer of `s`; false (see LastSocketError) when there is none. An IPv6 peer gives
/// its port and the address 0.
bool PeerOfSocket(SocketHandle s, SocketEndpoint& peer);

/// Bytes the system has received on the TCP connection `s` so far, counted before any reader
/// takes them; nothing where the system does not tell (then only what a reader got counts).
std::optional<std::uint64_t> BytesReceivedOnSocket(SocketHandle s);

/// The connected peer of `s` when it is an IPv6 one; nothing otherwise.
std::optional<Ipv6Address> Ipv6PeerOfSocket(SocketHandle s);

/// The local end of `s`; false on failure.
bool LocalEndOfSocket(SocketHandle s, SocketEndpoint& local);

/// Dotted-decimal text to an address, as inet_addr: NoAddress when the text is no address.
std::uint32_t ParseDottedAddress(const std::string& text);

/// The IPv6 address `text` writes in its standard forms ("::1", "fe80::1:2"); nothing when it
/// is none.
std::optional<Ipv6Address> ParseIpv6Address(const std::string& text);

/// The first IPv4 address of `name` by getaddrinfo, or NoAddress when there is none.
std::uint32_t LookupHostAddress(const std::string& name);

/// This machine's host name (at most 255 bytes), or "" when it cannot be read.
std::string LocalHostName();

} // namespace stormbell

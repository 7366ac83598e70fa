// TTcpIp: one blocking TCP connection at a time and an owned memory stream for received data. The
// base of the FTP client.
//
// One thread runs the operations of an instance; any other thread may only call Abort, which
// makes every wait of the running operation return at once.
//
// Every wait is bounded, so no peer can hold an operation for ever: a connection is made or
// accepted within ConnectTimeout, the peer may stay silent for IdleTimeout at most, and a
// transfer that moves bytes but fewer than LowSpeedLimit a second over an IdleTimeout window is
// given up. A transfer of N bytes therefore ends within IdleTimeout x (1 + N / (LowSpeedLimit x
// IdleTimeout)), N being bounded by MaxLineLength for a line and MaxDownloadSize for a download.
// Setting IdleTimeout or LowSpeedLimit to 0 gives up that bound. Whatever the pace, everything
// from a Login on ends within TransferTimeout.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "net/LowSpeedWatch.h"
#include "net/MemoryStream.h"
#include "net/NetTexts.h"
#include "net/TcpIpErrors.h"
#include "platform/Sockets.h"

namespace stormbell {

/// What a socket handle refers to, as told by asking for its peer.
enum class SocketState { NoSocket = 0, NotConnected = 1, Connected = 2, Failed = 3 };

class TTcpIp {
public:
    /// Starts with no socket, an unresolved address and an empty stream.
    TTcpIp();
    /// Frees the stream and closes an open socket; safe after Abort once the aborted operation
    /// has returned.
    virtual ~TTcpIp();
    TTcpIp(const TTcpIp&) = delete;
    TTcpIp& operator=(const TTcpIp&) = delete;

    /// Clears an earlier Abort, starts TransferTimeout, resolves Hostname (an IPv6 address is
    /// taken as it is, into RemoteAddress6) and connects to ServerPort. Throws
    /// std::out_of_range for a port outside 0..65535, ETcpIpError for an unresolvable host or an
    /// abort, ESocketError when the connection fails.
    virtual void Login();
    /// Closes the current socket; after Abort it closes it and then throws as Abort says.
    virtual void Logout();
    /// True when the current socket is not connected or the peer has ended the data.
    virtual bool Eof();

    /// Connects a new socket as Socket; on failure Socket is -1 (no exception unless aborted or
    /// past TransferTimeout).
    void OpenOutputSocket(std::uint16_t port, std::uint32_t address);
    /// As OpenOutputSocket, over IPv6.
    void OpenOutputSocket6(std::uint16_t port, const Ipv6Address& address);
    /// Binds and listens on a new socket as Socket; on failure Socket is -1.
    void OpenInputSocket(std::uint16_t port, std::uint32_t address);
    /// Accepts one connection on `listening` and returns its handle. With `onlyFrom`,
    /// connections from other addresses are closed and the wait goes on. With `watched`, the
    /// wait ends as well, with -1, once `watched` has something to read. Throws ETcpIpError
    /// when no acceptable peer connects within ConnectTimeout, ESocketError when the accept
    /// fails.
    SocketHandle AcceptConnection(SocketHandle listening, SocketEndpoint& peer,
                                  std::optional<std::uint32_t> onlyFrom = std::nullopt,
                                  SocketHandle watched = NoSocketHandle);
    /// NoSocket for -1, else Connected / NotConnected / Failed by asking for the peer.
    stormbell::SocketState SocketState(SocketHandle s) const;
    /// Closes `s` if open and sets it to -1.
    void CloseSocket(SocketHandle& s);
    /// Receives up to `size` bytes from Socket into `buffer` (nullptr: into a discarded
    /// temporary) and returns the count; 0 or less sets EndOfData. Bytes a ReadLine received
    /// past its line come first. Throws ETcpIpError after IdleTimeout without data or below the
    /// low-speed limit.
    long Receive(void* buffer, std::size_t size);
    /// Reads one CR LF line from Socket into `line`, receiving in blocks and keeping what
    /// follows the line for the next read; leaves `line` untouched when the data ends first.
    /// Throws ETcpIpError for a NUL byte, more than MaxLineLength bytes (line ends included)
    /// without a line, a time-out or the low-speed limit.
    void ReadLine(std::string& line);
    /// Sends all `length` bytes on Socket; other failures than a time-out or the low-speed
    /// limit (ETcpIpError) are silent.
    void SendBuffer(const void* data, std::size_t length);
    /// Sends the bytes of `text` as SendBuffer does; no terminator is added.
    void SendText(const std::string& text);
    /// Callable from any thread: the operation running on the instance returns promptly with
    /// ETcpIpError "Transfer aborted" from whichever wait it is in (connect, accept, receive,
    /// send), and every operation started afterwards throws the same at once, before sending
    /// anything, until the next Login clears the abort. Never throws.
    void Abort();
    /// The owned stream that received data goes to.
    MemoryStream& Stream() { return FStream; }
    /// The socket library's error code of the last failed connect, bind or listen.
    int LastError() const { return FLastError; }

    SocketHandle Socket = NoSocketHandle;
    std::string Hostname;
    /// The port Login connects to.
    std::int32_t ServerPort = 0;
    /// The port of the connection made last.
    std::uint16_t RemotePort = 0;
    std::uint32_t RemoteAddress = NoAddress;
    /// The address of the connection Login made last, when it went over IPv6.
    std::optional<Ipv6Address> RemoteAddress6;
    bool EndOfData = false;

    /// Milliseconds allowed for a connection to be made or accepted; 0: no limit.
    int ConnectTimeout = nettexts::DefaultConnectTimeoutMs;
    /// Milliseconds of silence allowed while waiting for data or room to send, and the window
    /// of the low-speed limit; 0: no limit.
    int IdleTimeout = nettexts::DefaultIdleTimeoutMs;
    /// Milliseconds from Login on within which every later wait must end; 0: no limit.
    int TransferTimeout = nettexts::DefaultTransferTimeoutMs;
    /// Fewest bytes a second a transfer must move, measured over IdleTimeout; 0: no limit.
    std::size_t LowSpeedLimit = nettexts::DefaultLowSpeedLimit;
    /// Most bytes ReadLine takes for one line, line ends included.
    std::size_t MaxLineLength = nettexts::DefaultMaxLineLength;
    /// Bytes asked for by each receive or send of a block transfer (0 counts as 1).
    std::size_t BlockSize = nettexts::DefaultBlockSize;
    /// Largest number of bytes a download may put into Stream.
    std::size_t MaxDownloadSize = nettexts::DefaultMaxDownloadSize;

protected:
    /// BlockSize, at least 1.
    std::size_t TransferBlockSize() const { return BlockSize > 0 ? BlockSize : 1; }
    /// Receives one block from Socket straight into Stream at its position and returns the
    /// count, as Receive. Past MaxDownloadSize the socket is closed (so the peer stops) and
    /// ETcpIpError raised. With `watched`, a wait for Socket also ends, with WatchedSpoke and
    /// nothing received, once `watched` has something to read.
    long ReceiveIntoStream(SocketHandle watched = NoSocketHandle);
    /// What ReceiveIntoStream gives when the watched socket spoke first; the data goes on.
    static constexpr long WatchedSpoke = -2;
    /// True from Abort to the next Login.
    bool Aborted() const { return abort_.Raised(); }
    /// Throws ETcpIpError "Transfer aborted" when Aborted.
    void ThrowIfAborted() const;
    /// Milliseconds left of TransferTimeout since Login (0: no limit); throws ETcpIpError once
    /// none are left.
    int TransferLeftMs() const;

    /// While one lives, everything received and sent counts as one transfer for the low-speed
    /// limit; nested ones join the outermost.
    class MeasuredTransfer {
    public:
        explicit MeasuredTransfer(TTcpIp& owner);
        ~MeasuredTransfer() { --owner_.measureDepth_; }
        MeasuredTransfer(const MeasuredTransfer&) = delete;
        MeasuredTransfer& operator=(const MeasuredTransfer&) = delete;

    private:
        TTcpIp& owner_;
    };

    /// How ReadLineWithin ended.
    enum class LineEnd { Complete, DataEnded, LimitReached };
    /// Reads one line as ReadLine does, taking at most `budget` bytes (line ends included) and
    /// lowering `budget` by the bytes taken; throws as ReadLine for the rest.
    LineEnd ReadLineWithin(std::string& line, std::size_t& budget);

private:
    // Bytes received on a connection and not read yet.
    struct Pending {
        std::string bytes;
        std::size_t start = 0;
    };

    long ReceiveWatching(void* buffer, std::size_t size, SocketHandle watched);
    long ReceiveFromPeer(void* buffer, std::size_t size, SocketHandle watched = NoSocketHandle);
    /// Connects a new socket (IPv6 or not) as Socket with `connect`; on failure Socket is -1.
    template <typename Connect> void OpenConnected(bool ipv6, Connect connect);
    /// Waits for Socket as `wait` does, within `silenceLeftMs` (-1: none left) and the
    /// low-speed window; throws ETcpIpError with `timeoutText` when the silence ran out, when the
    /// transfer is too slow, or on an abort. With `watched`, waits for either to be readable and
    /// gives true when `watched` is.
    bool AwaitProgress(WaitResult (*wait)(SocketHandle, int, const WakeSignal*), int silenceLeftMs,
                       const char* timeoutText, SocketHandle watched = NoSocketHandle);
    /// True when bytes received on `s` wait to be read.
    bool HasUnreadBytes(SocketHandle s) const;
    /// A new connection on `s` starts with nothing pending, whatever its handle carried before.
    void ForgetPending(SocketHandle s) { pending_.erase(s); }

    MemoryStream FStream;
    int FLastError = 0;
    WakeSignal abort_;
    std::map<SocketHandle, Pending> pending_;
    LowSpeedWatch lowSpeed_;
    int measureDepth_ = 0;
    std::optional<std::chrono::steady_clock::time_point> transferEnd_;
};

/// The first IPv4 address of this machine's host name, or all ones.
std::uint32_t LocalAddress();

/// The address (network order) as dotted-decimal text, most significant octet first.
std::string AddressToText(std::uint32_t address);

/// A dotted-decimal address or host name to an IPv4 address (network order), or all ones.
std::uint32_t ResolveHost(const std::string& name);

} // namespace stormbell

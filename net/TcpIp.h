// TTcpIp: one blocking TCP connection at a time, an owned memory stream for received data, and a
// trace text for every socket step. The base of the FTP client.
//
// One thread runs the operations of an instance; any other thread may only call Abort, which
// makes every wait of the running operation return at once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "net/MemoryStream.h"
#include "net/NetTexts.h"
#include "net/TcpIpErrors.h"
#include "platform/Sockets.h"

namespace stormbell {

/// What a socket handle refers to, as told by asking for its peer.
enum class SocketState { NoSocket = 0, NotConnected = 1, Connected = 2, Failed = 3 };

/// Receives a trace text; the flag is always true.
using TraceHandler = std::function<void(const std::string& text, bool flag)>;

class TTcpIp {
public:
    /// Starts with no socket, an unresolved address and an empty stream.
    TTcpIp();
    /// Frees the stream and closes an open socket (through the base Logout, traced); safe after
    /// Abort once the aborted operation has returned.
    virtual ~TTcpIp();
    TTcpIp(const TTcpIp&) = delete;
    TTcpIp& operator=(const TTcpIp&) = delete;

    /// Logs in, then receives everything the peer sends into Stream and rewinds it; the socket
    /// stays open. Throws as Login and Receive, or ETcpIpError past MaxDownloadSize.
    virtual void Action();
    /// Clears an earlier Abort, takes the port (marker "F#F" in Hostname: NewFTPPort, else
    /// DefaultPort), resolves Hostname and connects. Throws std::out_of_range for a bad port,
    /// ETcpIpError for an unresolvable host or an abort, ESocketError when the connection fails.
    virtual void Login();
    /// Closes the current socket; after Abort it closes it and then throws as Abort says.
    virtual void Logout();
    /// True when the current socket is not connected or the peer has ended the data.
    virtual bool Eof();

    /// Connects a new socket as Socket; on failure Socket is -1 (traced, no exception).
    void OpenOutputSocket(std::uint16_t port, std::uint32_t address);
    /// Binds and listens on a new socket as Socket; on failure Socket is -1 (traced).
    void OpenInputSocket(std::uint16_t port, std::uint32_t address);
    /// Accepts one connection on `listening`: the new handle, or -1 (traced). Throws
    /// ETcpIpError when nobody connects within ConnectTimeout.
    SocketHandle AcceptConnection(SocketHandle listening, SocketEndpoint& peer);
    /// NoSocket for -1, else Connected / NotConnected / Failed by asking for the peer.
    stormbell::SocketState SocketState(SocketHandle s) const;
    /// Closes `s` if open (traced) and sets it to -1.
    void CloseSocket(SocketHandle& s);
    /// Receives up to `size` bytes from Socket into `buffer` (nullptr: into a discarded
    /// temporary) and returns the count; 0 or less sets EndOfData. Throws ETcpIpError after
    /// IdleTimeout without data.
    long Receive(void* buffer, std::size_t size);
    /// Reads one CR LF line from Socket into `line`; leaves `line` untouched when the data ends
    /// first. Throws ETcpIpError for a NUL byte, a line past MaxLineLength, or a time-out.
    void ReadLine(std::string& line);
    /// Sends all `length` bytes on Socket; other failures than a time-out (ETcpIpError after
    /// IdleTimeout) are silent.
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
    std::int32_t NewFTPPort = 0;
    std::int32_t DefaultPort = 0;
    TraceHandler OnTrace;
    std::uint16_t RemotePort = 0;
    std::uint32_t RemoteAddress = NoAddress;
    bool EndOfData = false;

    /// Milliseconds allowed for a connection to be made or accepted; 0: no limit.
    int ConnectTimeout = nettexts::DefaultConnectTimeoutMs;
    /// Milliseconds of silence allowed while waiting for data or room to send; 0: no limit.
    int IdleTimeout = nettexts::DefaultIdleTimeoutMs;
    /// Longest line ReadLine accepts, in bytes.
    std::size_t MaxLineLength = nettexts::DefaultMaxLineLength;
    /// Bytes asked for by each receive or send of a block transfer (0 counts as 1).
    std::size_t BlockSize = nettexts::DefaultBlockSize;
    /// Largest number of bytes a receive-everything transfer may put into Stream.
    std::size_t MaxDownloadSize = nettexts::DefaultMaxDownloadSize;

protected:
    /// Passes `text` to OnTrace; callers build the text only when OnTrace is set.
    void Trace(const std::string& text);
    /// BlockSize, at least 1.
    std::size_t TransferBlockSize() const { return BlockSize > 0 ? BlockSize : 1; }
    /// Receives one block from Socket straight into Stream at its position and returns the
    /// count, as Receive. Past MaxDownloadSize the socket is closed (so the peer stops) and
    /// ETcpIpError raised.
    long ReceiveIntoStream();
    /// True from Abort to the next Login.
    bool Aborted() const { return abort_.Raised(); }
    /// Throws ETcpIpError "Transfer aborted" when Aborted.
    void ThrowIfAborted() const;

private:
    /// Waits for `s` as `wait` does, at most `waitMs`; throws ETcpIpError on an abort and
    /// returns false when the time is up.
    bool Await(WaitResult (*wait)(SocketHandle, int, const WakeSignal*), SocketHandle s,
               int waitMs) const;

    MemoryStream FStream;
    int FLastError = 0;
    WakeSignal abort_;
};

/// The first IPv4 address of this machine's host name, or all ones.
std::uint32_t LocalAddress();

/// The address (network order) as dotted-decimal text, most significant octet first.
std::string AddressToText(std::uint32_t address);

/// A dotted-decimal address or host name to an IPv4 address (network order), or all ones.
std::uint32_t ResolveHost(const std::string& name);

/// 1-based position of the n-th occurrence of `substring` in `text`, of the last one when there
/// are fewer, 0 when there is none or n < 1.
long long PosN(const std::string& substring, const std::string& text, long long n);

} // namespace stormbell

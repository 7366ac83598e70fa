// Every text and default value of the socket component and the FTP client, in one place.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace stormbell::nettexts {

// Exception messages.
inline constexpr const char* ErrorResolve = "Couldn't resolve hostname ";
inline constexpr const char* ErrorSocket = "Error creating socket";
inline constexpr const char* ErrorPortRange = "Port out of range 0..65535: ";
inline constexpr const char* ErrorReceiveTimeout = "No data within the time-out (ms) of ";
inline constexpr const char* ErrorSendTimeout = "Peer took no data within the time-out (ms) of ";
inline constexpr const char* ErrorAcceptTimeout =
    "No incoming connection within the time-out (ms) of ";
inline constexpr const char* ErrorOnSocketId = " on socket ID ";
inline constexpr const char* ErrorLineTooLong = "Line longer than the limit (bytes) of ";
inline constexpr const char* ErrorNulInLine = "NUL byte in a received line on socket ID ";
inline constexpr const char* ErrorDownloadTooLarge = "Download larger than the limit (bytes) of ";
inline constexpr const char* ErrorLineBreakIn = "CR or LF refused in the ";
inline constexpr const char* ErrorControlByteIn = "Control character refused in the ";
inline constexpr const char* ErrorTooLongPrefix = "The ";
inline constexpr const char* ErrorTooLongSuffix = " is longer than 255 bytes";
inline constexpr const char* ErrorPasvUnparsable =
    "The passive mode reply gave no address and port: ";
inline constexpr const char* ErrorEpsvUnparsable = "The extended passive mode reply gave no port: ";
inline constexpr const char* ErrorActiveIpv6 =
    "Active mode needs an IPv4 server; this one is reached over IPv6";
inline constexpr const char* ErrorDataReceive =
    "The data connection failed before the end of the file; socket error ";
inline constexpr const char* ErrorAborted = "Transfer aborted";
inline constexpr const char* ErrorTooSlow = "Transfer below the limit (bytes per second) of ";
inline constexpr const char* ErrorTooSlowFor = " for the time-out (ms) of ";
inline constexpr const char* ErrorTransferTimeout = "Transfer not done within the limit (ms) of ";
inline constexpr const char* ErrorReplyTooLong = "Reply longer than the limit (bytes) of ";
inline constexpr const char* ErrorNoReply = "The server closed the connection without a reply";
inline constexpr const char* ErrorEmptyReply = "The server's reply had no text";
inline constexpr const char* ErrorStranger = "; refused a connection from ";

// The protocol name of FTP errors.
inline constexpr const char* ProtocolFtp = "FTP";

// Defaults.
inline constexpr int DefaultConnectTimeoutMs = 15000;
inline constexpr int DefaultIdleTimeoutMs = 30000;
/// The whole of one fetch, however its server paces it: a report takes seconds.
inline constexpr int DefaultTransferTimeoutMs = 180000;
inline constexpr std::size_t DefaultMaxLineLength = 64 * 1024;
inline constexpr std::size_t DefaultMaxReplyLength = 64 * 1024;
inline constexpr std::size_t DefaultLowSpeedLimit = 1024;
inline constexpr std::size_t DefaultMaxDownloadSize = 64 * 1024 * 1024;
inline constexpr std::uint16_t FtpPort = 21;
inline constexpr const char* FtpUsername = "ftp";
inline constexpr const char* FtpPassword = "stormbell@home";
// The login the gauge gives the report server, which admits anonymous users; the password is
// an e-mail address of 20 characters.
inline constexpr const char* AnonymousUsername = "anonymous";
inline constexpr const char* AnonymousPassword = "gauge@stormbell.home";
static_assert(std::string_view(AnonymousPassword).size() == 20);
inline constexpr std::size_t DefaultBlockSize = 4096;
inline constexpr int ListenBacklog = 2;
/// Longest directory or file name sent: real ones are far shorter, and a stored value of
/// megabytes must not become one command.
inline constexpr std::size_t MaxArgumentLength = 255;
/// Longest host name (DNS's limit) and longest Host text: "https://", a name and ":65535".
inline constexpr std::size_t MaxHostNameLength = 253;
inline constexpr std::size_t MaxHostTextLength = 8 + MaxHostNameLength + 6;

} // namespace stormbell::nettexts

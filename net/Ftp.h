// TFTP: a small FTP client on TTcpIp. One control connection per session, one data connection
// per transfer (passive or active), binary type, files fetched into Stream.
//
// No server can hold an operation for ever (see TTcpIp for the limits). At the defaults
// (connect 15 s, silence 30 s, 1024 bytes a second over 30 s, replies of 64 KiB) each step
// ends in bounded time: a connect or an accept within 15 s (the system's name lookup aside), the
// send of a command within 30 s, a reply, all its lines together, within 90 s, and the data of a
// transfer of N bytes (N at most MaxDownloadSize) within 30 s x (1 + N / 30 KiB). Login (a
// connect, 3 commands, 4 replies) thus ends within 465 s and ChangeDir within 120 s; the whole
// session, from Login on, within TransferTimeout (3 minutes). A server reached over IPv6 gets
// EPSV for its passive data connections; active mode is for IPv4 servers only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "net/TcpIp.h"

namespace stormbell {

class TFTP : public TTcpIp {
public:
    /// As TTcpIp, with the FTP defaults (port 21, user "ftp", passive mode).
    TFTP();
    /// Closes the data and control connections without sending QUIT.
    ~TFTP() override;

    /// Connects and logs in (greeting, USER, PASS, TYPE I), first closing a session an earlier
    /// failure left open. Throws as TTcpIp::Login, and EProtocolError for a reply that is no
    /// success (USER may also ask for more) or a user name or password holding a control
    /// character (CheckFtpArgument).
    void Login() override;
    /// Sends QUIT when a session is open and owes no reply, then closes the control and current
    /// connections, also when QUIT fails. The reply is waited for 2 s at most (IdleTimeout when
    /// shorter). Throws EProtocolError when the QUIT reply is no success or missing. After
    /// Abort it sends nothing, closes both and throws ETcpIpError
    /// "Transfer aborted".
    void Logout() override;

    /// CWD `directory`; throws EProtocolError on refusal or when CheckFtpArgument refuses it.
    void ChangeDir(const std::string& directory);
    /// Retrieves URI into Stream and rewinds it; nothing happens for an empty URI. In active mode
    /// only a data connection from the server's address is taken, and a reply on the control
    /// connection before it ends the wait; while the data comes, a refusal (4xx, 5xx) on the
    /// control connection ends the transfer with its text. Throws EProtocolError for a reply out of
    /// the dialogue's order (Stream unchanged) or when CheckFtpArgument refuses URI; ETcpIpError
    /// for a PASV reply without six numbers of 0..255, a receive error on the data connection, past
    /// MaxDownloadSize, on a time-out or below the low-speed limit; ESocketError when active
    /// mode cannot listen.
    void Download();
    /// Sends `text` on the control connection with 0xFF doubled (the caller adds CR LF).
    void SendCommand(const std::string& text);
    /// The replies a command goes on with; any other ends it.
    enum class Expected {
        Start,               ///< 1xx: a transfer begins, its completion reply follows
        Completion,          ///< 2xx
        CompletionOrMore,    ///< 2xx, or 3xx asking for the next command (USER's 331)
        PassiveMode,         ///< 227 alone
        ExtendedPassiveMode, ///< 229 alone
    };
    /// Reads one reply, all its lines, into ReplyCode and ReplyText (the first line's text);
    /// throws EProtocolError with the text of every line for a reply `expected` does not take
    /// (999 when the reply is unreadable or breaks off; never with an empty message), and
    /// ETcpIpError for a reply past MaxReplyLength or as ReadLine.
    void ReadReply(Expected expected);

    std::string URI;
    std::int32_t ReplyCode = 0;
    std::string ReplyText;
    std::string Username = nettexts::FtpUsername;
    std::string Password = nettexts::FtpPassword;
    SocketHandle ControlSocket = NoSocketHandle;
    bool Passive = true;
    /// Active mode's local listening port; 0 lets the system choose a free one.
    std::uint16_t Port = 0;
    /// Most bytes one reply may take, all its lines and line ends together.
    std::size_t MaxReplyLength = nettexts::DefaultMaxReplyLength;

protected:
    /// ReadLine on the control connection, taking at most `replyBudget` bytes and lowering it
    /// by those taken; false when the connection ended before a whole line.
    bool ReadControlLine(std::string& line, std::size_t& replyBudget);
    /// Prepares the data connection of the next transfer as the current socket.
    void OpenDataConnection();

private:
    void OpenPassiveConnection();
    void OpenActiveListener();
    void AcceptDataConnection();
    void CloseDataConnection();
    void DropStaleDataConnection();
    /// True when the completion reply came before the data's end and has been read.
    bool ReceiveWholeFile();
    /// Closes the control and the current connection, without a word to the server.
    void CloseSession();

    /// A command sent or a connection made whose reply has not been read whole yet.
    bool replyOutstanding_ = false;
};

/// The PORT command (with CR LF) announcing `address` (network order) and `port`.
std::string PortCommand(std::uint32_t address, std::uint16_t port);

} // namespace stormbell

#include "net/Ftp.h"

#include <array>
#include <limits>
#include <optional>
#include <string_view>

#include "net/FtpArguments.h"
#include "platform/TextConvert.h"

namespace stormbell {

using namespace nettexts;

namespace {

constexpr long long ToEnd = std::numeric_limits<long long>::max();
constexpr std::uint16_t UnreadableReply = 999;
// Between the lines of a refusal, which a tooltip shows on one line.
constexpr std::string_view ReplyLineSeparator = "; ";
// The longest wait for the reply to QUIT: the file is in by then, and nothing the goodbye could
// bring is worth holding the cycle for the whole idle limit.
constexpr int QuitReplyWaitMs = 2000;

// Makes another socket the current one for one call and puts the previous one back.
class CurrentSocket {
public:
    CurrentSocket(TTcpIp& owner, SocketHandle s) : FOwner(owner), FSaved(owner.Socket) {
        owner.Socket = s;
    }
    ~CurrentSocket() { FOwner.Socket = FSaved; }
    CurrentSocket(const CurrentSocket&) = delete;
    CurrentSocket& operator=(const CurrentSocket&) = delete;

private:
    TTcpIp& FOwner;
    SocketHandle FSaved;
};

bool Takes(TFTP::Expected expected, std::int32_t code) {
    switch (expected) {
    case TFTP::Expected::Start:
        return code >= 100 && code <= 199;
    case TFTP::Expected::Completion:
        return code >= 200 && code <= 299;
    case TFTP::Expected::CompletionOrMore:
        return code >= 200 && code <= 399;
    case TFTP::Expected::PassiveMode:
        return code == 227;
    case TFTP::Expected::ExtendedPassiveMode:
        return code == 229;
    }
    return false;
}

// A refusal's text, or a clear word where the server gave none or broke off.
[[noreturn]] void ThrowReplyError(const std::string& text, std::int32_t code, bool whole) {
    if (!whole)
        throw EProtocolError(ProtocolFtp, ErrorNoReply, UnreadableReply);
    throw EProtocolError(ProtocolFtp, text.empty() ? std::string(ErrorEmptyReply) : text,
                         static_cast<std::uint16_t>(code));
}

// "227 Entering Passive Mode (h1,h2,h3,h4,p1,p2)": the port, when all six numbers are there and
// each is a byte. A reply that names no reachable port must not leave a transfer waiting.
std::optional<std::uint16_t> PassivePort(std::string_view text) {
    const std::size_t open = text.find('(');
    const std::size_t close = text.find(')', open);
    if (open == std::string_view::npos || close == std::string_view::npos)
        return std::nullopt;
    const std::string_view numbers = text.substr(open + 1, close - open - 1);
    std::array<std::int32_t, 6> bytes{};
    std::size_t from = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const std::size_t comma = i + 1 < bytes.size() ? numbers.find(',', from) : numbers.size();
        if (comma == std::string_view::npos)
            return std::nullopt;
        const auto byte = TryStrToInt(numbers.substr(from, comma - from));
        if (!byte || *byte < 0 || *byte > 255)
            return std::nullopt;
        bytes[i] = *byte;
        from = comma + 1;
    }
    return static_cast<std::uint16_t>(bytes[4] * 256 + bytes[5]);
}

// "229 Entering Extended Passive Mode (|||port|)": the port between the three delimiters and the
// closing one, all the same character, with nothing for the address the control connection has.
std::optional<std::uint16_t> ExtendedPassivePort(std::string_view text) {
    const std::size_t open = text.find('(');
    const std::size_t close = text.find(')', open);
    if (open == std::string_view::npos || close == std::string_view::npos || close - open < 6)
        return std::nullopt;
    const std::string_view inside = text.substr(open + 1, close - open - 1);
    const char delimiter = inside.front();
    if (inside.substr(0, 3) != std::string(3, delimiter) || inside.back() != delimiter)
        return std::nullopt;
    const std::string_view digits = inside.substr(3, inside.size() - 4);
    const auto port = digits.find_first_not_of("0123456789") == std::string_view::npos
                          ? TryStrToInt(digits)
                          : std::nullopt;
    if (!port || *port < 1 || *port > 65535)
        return std::nullopt;
    return static_cast<std::uint16_t>(*port);
}

// "220-Welcome" opens a reply that only "220 Ready" (or a bare "220") ends; the lines between may
// say anything. Ending it at an unexpected line instead would leave its last line to answer the
// next command.
bool OpensMultiLineReply(const std::string& line) {
    return line.size() >= 4 && line[3] == '-';
}
bool EndsMultiLineReply(const std::string& line, const std::string& code) {
    return line.starts_with(code) && (line.size() == code.size() || line[code.size()] == ' ');
}

// Adds what a later line of a reply with `code` says: the rest after the code, or the line.
void AppendLineText(std::string& text, const std::string& line, const std::string& code) {
    const std::string more =
        line.starts_with(code) ? Cut(line, 5, ToEnd) : std::string(Trimmed(line));
    if (more.empty())
        return;
    if (!text.empty())
        text += ReplyLineSeparator;
    text += more;
}

} // namespace

TFTP::TFTP() {
    ServerPort = FtpPort;
}

TFTP::~TFTP() {
    if (Socket != NoSocketHandle && Socket != ControlSocket)
        CloseSocketHandle(Socket);
    Socket = ControlSocket;
    ControlSocket = NoSocketHandle;
}

void TFTP::CloseSession() {
    const SocketHandle control = ControlSocket;
    CloseSocket(ControlSocket);
    if (Socket == control)
        Socket = NoSocketHandle;
    else
        CloseSocket(Socket);
    replyOutstanding_ = false;
}

void TFTP::Login() {
    CheckFtpArgument(Username, "user name", false);
    CheckFtpArgument(Password, "password", false);
    // A session an earlier failure left open would otherwise lose its handle here.
    CloseSession();
    TTcpIp::Login();
    ControlSocket = Socket;
    replyOutstanding_ = true; // the greeting
    ReadReply(Expected::Completion);
    SendCommand("USER " + Username + "\r\n");
    ReadReply(Expected::CompletionOrMore);
    SendCommand("PASS " + Password + "\r\n");
    ReadReply(Expected::Completion);
    SendCommand("TYPE I\r\n");
    ReadReply(Expected::Completion);
}

void TFTP::Logout() {
    // After an abort nothing may wait for the server, and while a reply is still owed the
    // server would read QUIT out of step; either way the connections are still released.
    if (ControlSocket != NoSocketHandle && !Aborted() && !replyOutstanding_) {
        const int idleTimeout = IdleTimeout;
        if (IdleTimeout == 0 || IdleTimeout > QuitReplyWaitMs)
            IdleTimeout = QuitReplyWaitMs;
        try {
            SendCommand("QUIT\r\n");
            ReadReply(Expected::Completion);
        } catch (...) {
            IdleTimeout = idleTimeout;
            CloseSession();
            throw;
        }
        IdleTimeout = idleTimeout;
    }
    CloseSession();
    ThrowIfAborted();
}

void TFTP::ChangeDir(const std::string& directory) {
    CheckFtpArgument(directory, "directory");
    SendCommand("CWD " + directory + "\r\n");
    ReadReply(Expected::Completion);
}

void TFTP::Download() {
    if (URI.empty())
        return;
    CheckFtpArgument(URI, "file name");
    OpenDataConnection();
    SendCommand("RETR " + URI + "\r\n");
    ReadReply(Expected::Start);
    replyOutstanding_ = true; // the completion reply
    AcceptDataConnection();
    Stream().Clear();
    try {
        const bool completed = ReceiveWholeFile();
        EndOfData = false;
        if (!completed)
            ReadReply(Expected::Completion);
        CloseDataConnection();
    } catch (...) {
        Stream().Seek(0);
        throw;
    }
    Stream().Seek(0);
}

void TFTP::SendCommand(const std::string& text) {
    const CurrentSocket control(*this, ControlSocket);
    replyOutstanding_ = true;
    SendText(EscapeTelnet(text));
}

// Until the server ends the data connection; a receive error there is a damaged file, never
// its end. Without a data connection there is nothing to read, and the completion reply tells.
// The control connection is read whenever the data pauses: a server that refuses there (425)
// while it holds the data connection open must not leave the transfer waiting for data.
bool TFTP::ReceiveWholeFile() {
    if (Socket == NoSocketHandle)
        return false;
    const MeasuredTransfer measured(*this);
    bool completed = false;
    for (;;) {
        const long count = ReceiveIntoStream(completed ? NoSocketHandle : ControlSocket);
        if (count == WatchedSpoke) {
            // Throws for a refusal; a completion reply before the data's end is only early.
            ReadReply(Expected::Completion);
            completed = true;
            continue;
        }
        if (count == 0)
            return completed;
        if (count < 0)
            throw ETcpIpError(ErrorDataReceive + IntToStr(LastSocketError()));
    }
}

// The whole reply is read before it is judged: a refusal's later lines would otherwise answer
// the next command.
void TFTP::ReadReply(Expected expected) {
    const MeasuredTransfer measured(*this);
    std::size_t budget = MaxReplyLength;
    std::string line;
    bool open = ReadControlLine(line, budget);
    const std::string code = Cut(line, 1, 3);
    const auto number = TryStrToInt(code);
    ReplyCode = number ? *number : UnreadableReply;
    ReplyText = Cut(line, 5, ToEnd);
    std::string text = ReplyText;
    if (OpensMultiLineReply(line)) {
        do {
            std::string next;
            open = ReadControlLine(next, budget);
            line = std::move(next);
            AppendLineText(text, line, code);
        } while (open && !EndsMultiLineReply(line, code));
    }
    // Only a reply read whole leaves the connection fit for the next command.
    replyOutstanding_ = !open;
    if (!open)
        ReplyCode = UnreadableReply;
    if (!Takes(expected, ReplyCode))
        ThrowReplyError(text, ReplyCode, open);
}

bool TFTP::ReadControlLine(std::string& line, std::size_t& replyBudget) {
    const CurrentSocket control(*this, ControlSocket);
    const bool lineBound = MaxLineLength <= replyBudget;
    std::size_t budget = lineBound ? MaxLineLength : replyBudget;
    const std::size_t before = budget;
    const LineEnd end = ReadLineWithin(line, budget);
    replyBudget -= before - budget;
    if (end == LineEnd::LimitReached)
        throw ETcpIpError(
            (lineBound ? ErrorLineTooLong : ErrorReplyTooLong) +
            IntToStr(static_cast<long long>(lineBound ? MaxLineLength : MaxReplyLength)) +
            ErrorOnSocketId + IntToStr(ControlSocket));
    return end == LineEnd::Complete;
}

void TFTP::OpenDataConnection() {
    DropStaleDataConnection();
    Socket = NoSocketHandle;
    if (Passive)
        OpenPassiveConnection();
    else
        OpenActiveListener();
}

void TFTP::OpenPassiveConnection() {
    // PASV can name IPv4 addresses only; over IPv6 the server names just the port.
    if (const auto server6 = Ipv6PeerOfSocket(ControlSocket)) {
        SendCommand("EPSV\r\n");
        ReadReply(Expected::ExtendedPassiveMode);
        const auto port = ExtendedPassivePort(ReplyText);
        if (!port)
            throw ETcpIpError(ErrorEpsvUnparsable + IntToStr(ReplyCode) + " " + ReplyText);
        RemotePort = *port;
        OpenOutputSocket6(RemotePort, *server6);
        return;
    }
    SendCommand("PASV\r\n");
    ReadReply(Expected::PassiveMode);
    const auto port = PassivePort(ReplyText);
    // Without a data connection the transfer would read nothing and could pass for an empty file.
    if (!port)
        throw ETcpIpError(ErrorPasvUnparsable + IntToStr(ReplyCode) + " " + ReplyText);
    // The address in the reply is not trusted: a hostile server could steer the data
    // connection to another host. The server is where the control connection goes.
    SocketEndpoint server;
    RemoteAddress = PeerOfSocket(ControlSocket, server) ? server.Address : NoAddress;
    RemotePort = *port;
    OpenOutputSocket(RemotePort, RemoteAddress);
}

// "PORT h1,h2,h3,h4,p1,p2", announcing the listening socket only once it listens, so that a
// port of 0 can be announced as the one the system chose.
void TFTP::OpenActiveListener() {
    if (Ipv6PeerOfSocket(ControlSocket))
        throw ETcpIpError(ErrorActiveIpv6);
    SocketEndpoint local;
    const std::uint32_t address =
        LocalEndOfSocket(ControlSocket, local) ? local.Address : LocalAddress();
    OpenInputSocket(Port, address);
    if (Socket == NoSocketHandle || !LocalEndOfSocket(Socket, local))
        throw ESocketError(static_cast<std::uint16_t>(LastError()));
    SendCommand(PortCommand(address, local.Port));
    ReadReply(Expected::Completion);
}

void TFTP::AcceptDataConnection() {
    if (Passive)
        return;
    // As for PASV, only the server may connect: a stranger that is quicker must not get to
    // feed the transfer its own data.
    SocketEndpoint server;
    const std::uint32_t serverAddress =
        PeerOfSocket(ControlSocket, server) ? server.Address : RemoteAddress;
    SocketEndpoint peer;
    // A server that cannot connect says so on the control connection instead (425, 421): there
    // is no data connection then, and the completion reply, read next, tells why.
    const SocketHandle accepted = AcceptConnection(Socket, peer, serverAddress, ControlSocket);
    CloseSocket(Socket);
    Socket = accepted;
}

void TFTP::CloseDataConnection() {
    if (Socket != NoSocketHandle) {
        ShutdownSending(Socket);
        CloseSocketHandle(Socket);
    }
    Socket = NoSocketHandle;
}

// A data connection left over from a refused transfer would otherwise leak its handle.
void TFTP::DropStaleDataConnection() {
    if (Socket != NoSocketHandle && Socket != ControlSocket)
        CloseSocketHandle(Socket);
}

std::string PortCommand(std::uint32_t address, std::uint16_t port) {
    const std::uint32_t host = HostOrder(address);
    return "PORT " + IntToStr(host >> 24) + "," + IntToStr((host >> 16) & 0xFF) + "," +
           IntToStr((host >> 8) & 0xFF) + "," + IntToStr(host & 0xFF) + "," + IntToStr(port / 256) +
           "," + IntToStr(port % 256) + "\r\n";
}

} // namespace stormbell

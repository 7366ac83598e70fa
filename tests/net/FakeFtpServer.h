// A scripted FTP server on loopback for the client's tests. Each test hands it a script that
// runs on the server's thread and speaks the dialogue exactly as the test wants it; every
// command byte received is recorded.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "net/TcpIp.h"
#include "platform/Sockets.h"

namespace stormbell::testing {

/// The server's end of one control connection and its data connections.
class FakeFtpSession {
public:
    /// Ends the lines sent by Reply with LF alone instead of CR LF.
    bool LfOnlyLineEnds = false;
    /// Sends every byte of the control connection in a write of its own.
    bool OneBytePerWrite = false;

    /// Sends raw bytes on the control connection.
    void Send(const std::string& bytes);
    /// Sends `line` and its line end.
    void Reply(const std::string& line);
    /// Reads and records one command up to its LF; "" when the client has closed.
    std::string ReadCommand();
    /// Reads one command, then sends `reply`.
    void Answer(const std::string& reply);
    /// The usual greeting and login: 220, then 331, 230 and 200 for USER, PASS and TYPE I.
    void Login();
    /// Login, then a CWD answered 250: the dialogue before a gauge's download.
    void LoginAndCwd();
    /// Answers PASV (see AnswerPasv), accepts the data connection and answers the transfer
    /// command with 150.
    void OpenData(const std::string& address = "127,0,0,1");
    /// The whole dialogue of one gauge cycle: login, CWD, a passive download of `report`, QUIT.
    void ServeReport(const std::string& report);

    /// How ServeBroken spoils a download.
    enum class Fault {
        NoPasvAddress, ///< 227 without address and port, then 226 for the RETR
        Refused,       ///< RETR answered 550
        EmptyFile,     ///< a file of 0 bytes, then 226
        ResetMidway,   ///< half of `report`, a reset of the data connection, then 226
    };
    /// Login, CWD and a download of `report` spoilt by `fault`; then answers QUIT, if it comes,
    /// and waits for the client to close.
    void ServeBroken(Fault fault, const std::string& report);
    /// Answers QUIT with 221 and any other command with 500 until the client closes.
    void AnswerUntilClose();
    /// Opens a data listener and answers a PASV command with 227 and its port; `address` is
    /// the text for h1..h4.
    void AnswerPasv(const std::string& address = "127,0,0,1");
    /// Accepts the client's passive data connection.
    void AcceptData();
    /// Connects the data connection to the address and port of a PORT command, from the
    /// loopback address `from`.
    void ConnectData(const std::string& portCommand, const char* from = "127.0.0.1");
    /// Sends bytes on the data connection.
    void SendData(const std::string& bytes);
    /// Closes the data connection.
    void CloseData();
    /// Waits until the client closes the control connection, answering nothing.
    void WaitForClose();

    /// The connection a repeated send goes to.
    enum class Channel { Control, Data };
    /// Sends `unit` again and again, `gapMs` apart, until the client closes that connection:
    /// a flood with no gap, a trickle with a short unit and a long gap.
    void SendRepeatedly(const std::string& unit, int gapMs, Channel channel = Channel::Control);

private:
    friend class FakeFtpServer;
    FakeFtpSession(SocketHandle control, std::vector<std::string>& commands, std::mutex& lock);
    SocketHandle FControl;
    SocketHandle FListener = NoSocketHandle;
    SocketHandle FData = NoSocketHandle;
    std::vector<std::string>& FCommands;
    std::mutex& FLock;
};

/// Listens on 127.0.0.1 and runs the script for the first client.
class FakeFtpServer {
public:
    using Script = std::function<void(FakeFtpSession&)>;
    /// Listens at `port`, or at a free one for 0; throws std::runtime_error when it cannot.
    explicit FakeFtpServer(Script script, std::uint16_t port = 0);
    /// Waits for the script (see Join).
    ~FakeFtpServer();
    FakeFtpServer(const FakeFtpServer&) = delete;
    FakeFtpServer& operator=(const FakeFtpServer&) = delete;

    /// The port the server listens on.
    std::uint16_t Port() const { return FPort; }
    /// Waits for the script to end; without a client by now it ends at once.
    void Join();
    /// The commands received so far, each with its line end.
    std::vector<std::string> Commands();
    /// True when a client connected.
    bool Connected() const { return FConnected; }
    /// The failure that ended the script early, or "".
    std::string Error();

private:
    void Run(const Script& script);
    std::uint16_t FPort = 0; // before FListener: its initialiser fills the port in
    SocketHandle FListener;
    std::atomic<bool> FStopWaiting{false};
    std::atomic<bool> FConnected{false};
    std::vector<std::string> FCommands;
    std::string FError;
    std::mutex FLock;
    std::thread FThread;
};

/// A loopback port that nothing listens on at the moment of the call.
std::uint16_t UnusedPort();
/// Points `client` at 127.0.0.1:`port`.
void AimAt(TTcpIp& client, std::int32_t port);
/// What `client`'s stream holds.
std::string StreamText(TTcpIp& client);
/// `size` bytes that take every value, so that a lost or shifted block shows.
std::string Pattern(std::size_t size);

} // namespace stormbell::testing

#include "FakeFtpServer.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <stdexcept>

namespace stormbell::testing {

namespace {

// Long enough for any client step under the sanitizers, short enough that a broken test ends.
constexpr int StepTimeoutMs = 10000;

void WaitReadable(SocketHandle s) {
    if (stormbell::WaitReadable(s, StepTimeoutMs) != WaitResult::Ready)
        throw std::runtime_error("fake server: client silent");
}

// One send without waiting; when there is no room, waits for some. False once the client is gone.
bool SendSome(SocketHandle s, const char* data, std::size_t size, std::size_t& sent) {
    const long n = SendOnSocket(s, data, size);
    if (n >= 0) {
        sent += static_cast<std::size_t>(n);
        return true;
    }
    if (!IsWouldBlock(LastSocketError()))
        return false;
    if (WaitWritable(s, StepTimeoutMs) != WaitResult::Ready)
        throw std::runtime_error("fake server: client stopped reading");
    return true;
}

void SendAll(SocketHandle s, const std::string& bytes, bool oneByteEach) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const std::size_t chunk = oneByteEach ? 1 : bytes.size() - sent;
        if (!SendSome(s, bytes.data() + sent, chunk, sent))
            throw std::runtime_error("fake server: send failed");
    }
}

long ReceiveAfterWait(SocketHandle s, char* buffer, std::size_t size) {
    WaitReadable(s);
    return ReceiveFromSocket(s, buffer, size);
}

SocketHandle ListenOnLoopback(std::uint16_t& port) {
    const SocketHandle s = CreateTcpSocket();
    SocketEndpoint local{ParseDottedAddress("127.0.0.1"), port};
    if (s == NoSocketHandle || !BindSocket(s, local) || !ListenOnSocket(s, 4) ||
        !LocalEndOfSocket(s, local))
        throw std::runtime_error("fake server: cannot listen");
    port = local.Port;
    return s;
}

void CloseIfOpen(SocketHandle& s) {
    if (s != NoSocketHandle)
        CloseSocketHandle(s);
    s = NoSocketHandle;
}

} // namespace

FakeFtpSession::FakeFtpSession(SocketHandle control, std::vector<std::string>& commands,
                               std::mutex& lock)
    : FControl(control), FCommands(commands), FLock(lock) {}

void FakeFtpSession::Send(const std::string& bytes) {
    SendAll(FControl, bytes, OneBytePerWrite);
}

void FakeFtpSession::Reply(const std::string& line) {
    Send(line + (LfOnlyLineEnds ? "\n" : "\r\n"));
}

std::string FakeFtpSession::ReadCommand() {
    std::string command;
    char byte = 0;
    while (byte != '\n') {
        if (ReceiveAfterWait(FControl, &byte, 1) <= 0)
            break;
        command += byte;
    }
    const std::lock_guard<std::mutex> guard(FLock);
    if (!command.empty())
        FCommands.push_back(command);
    return command;
}

void FakeFtpSession::Answer(const std::string& reply) {
    ReadCommand();
    Reply(reply);
}

void FakeFtpSession::Login() {
    Reply("220 Fake server ready");
    Answer("331 Send password");
    Answer("230 Logged in");
    Answer("200 Type set to I");
}

void FakeFtpSession::LoginAndCwd() {
    Login();
    Answer("250 CWD command successful");
}

void FakeFtpSession::OpenData(const std::string& address) {
    AnswerPasv(address);
    AcceptData();
    Answer("150 Opening BINARY mode data connection");
}

void FakeFtpSession::ServeReport(const std::string& report) {
    LoginAndCwd();
    OpenData();
    SendData(report);
    CloseData();
    Reply("226 Transfer complete");
    Answer("221 Goodbye");
}

void FakeFtpSession::ServeBroken(Fault fault, const std::string& report) {
    LoginAndCwd();
    if (fault == Fault::NoPasvAddress) {
        Answer("227 Entering Passive Mode");
        Answer("226 Transfer complete");
    } else if (fault == Fault::Refused) {
        Answer("550 No such file or directory.");
    } else {
        OpenData();
        if (fault == Fault::ResetMidway) {
            SendData(report.substr(0, report.size() / 2));
            ResetSocketHandle(FData); // a reset instead of an orderly close
            FData = NoSocketHandle;
        } else {
            CloseData();
        }
        Reply("226 Transfer complete");
    }
    AnswerUntilClose();
}

void FakeFtpSession::AnswerUntilClose() {
    for (;;) {
        const std::string command = ReadCommand();
        if (command.empty())
            return;
        Reply(command.starts_with("QUIT") ? "221 Goodbye" : "500 Unexpected");
    }
}

void FakeFtpSession::AnswerPasv(const std::string& address) {
    std::uint16_t port = 0;
    CloseIfOpen(FListener);
    FListener = ListenOnLoopback(port);
    ReadCommand();
    Reply("227 Entering Passive Mode (" + address + "," + std::to_string(port / 256) + "," +
          std::to_string(port % 256) + ")");
}

void FakeFtpSession::AcceptData() {
    WaitReadable(FListener);
    SocketEndpoint peer;
    FData = AcceptOnSocket(FListener, peer);
    if (FData == NoSocketHandle)
        throw std::runtime_error("fake server: accept failed");
}

void FakeFtpSession::ConnectData(const std::string& portCommand, const char* from) {
    int h1, h2, h3, h4, p1, p2;
    if (std::sscanf(portCommand.c_str(), "PORT %d,%d,%d,%d,%d,%d", &h1, &h2, &h3, &h4, &p1, &p2) !=
        6)
        throw std::runtime_error("fake server: bad PORT " + portCommand);
    const std::string host = std::to_string(h1) + "." + std::to_string(h2) + "." +
                             std::to_string(h3) + "." + std::to_string(h4);
    const SocketEndpoint address{ParseDottedAddress(host),
                                 static_cast<std::uint16_t>(p1 * 256 + p2)};
    FData = CreateTcpSocket();
    if (FData == NoSocketHandle || !BindSocket(FData, {ParseDottedAddress(from), 0}) ||
        !ConnectSocket(FData, address, StepTimeoutMs))
        throw std::runtime_error("fake server: cannot connect to " + portCommand);
}

void FakeFtpSession::SendData(const std::string& bytes) {
    SendAll(FData, bytes, false);
}

void FakeFtpSession::CloseData() {
    CloseIfOpen(FData);
}

void FakeFtpSession::WaitForClose() {
    char byte;
    for (;;) {
        if (ReceiveAfterWait(FControl, &byte, 1) <= 0)
            return;
    }
}

void FakeFtpSession::SendRepeatedly(const std::string& unit, int gapMs, Channel channel) {
    const SocketHandle s = channel == Channel::Control ? FControl : FData;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(StepTimeoutMs);
    while (std::chrono::steady_clock::now() < end) {
        // The gap is spent watching for the client's close, which ends the script's part; a
        // wait of 0 would have no limit, so no gap still looks for a millisecond.
        char byte;
        if (stormbell::WaitReadable(s, std::max(gapMs, 1)) == WaitResult::Ready &&
            ReceiveFromSocket(s, &byte, 1) <= 0)
            return;
        std::size_t sent = 0;
        while (sent < unit.size()) {
            if (!SendSome(s, unit.data() + sent, unit.size() - sent, sent))
                return; // the client has gone
        }
    }
    throw std::runtime_error("fake server: client never gave up");
}

FakeFtpServer::FakeFtpServer(Script script, std::uint16_t port)
    : FPort(port), FListener(ListenOnLoopback(FPort)) {
    FThread = std::thread([this, script = std::move(script)] { Run(script); });
}

FakeFtpServer::~FakeFtpServer() {
    Join();
    CloseSocketHandle(FListener);
}

void FakeFtpServer::Join() {
    FStopWaiting = true;
    if (FThread.joinable())
        FThread.join();
}

std::vector<std::string> FakeFtpServer::Commands() {
    const std::lock_guard<std::mutex> guard(FLock);
    return FCommands;
}

std::string FakeFtpServer::Error() {
    const std::lock_guard<std::mutex> guard(FLock);
    return FError;
}

void FakeFtpServer::Run(const Script& script) {
    while (stormbell::WaitReadable(FListener, 20) == WaitResult::TimedOut)
        if (FStopWaiting)
            return;
    SocketEndpoint peer;
    SocketHandle control = AcceptOnSocket(FListener, peer);
    if (control == NoSocketHandle)
        return;
    FConnected = true;
    FakeFtpSession session(control, FCommands, FLock);
    try {
        script(session);
    } catch (const std::exception& error) {
        const std::lock_guard<std::mutex> guard(FLock);
        FError = error.what();
    }
    CloseIfOpen(session.FData);
    CloseIfOpen(session.FListener);
    CloseIfOpen(control);
}

std::uint16_t UnusedPort() {
    std::uint16_t port = 0;
    CloseSocketHandle(ListenOnLoopback(port));
    return port;
}

void AimAt(TTcpIp& client, std::int32_t port) {
    client.Hostname = "127.0.0.1";
    client.ServerPort = port;
}

std::string StreamText(TTcpIp& client) {
    return std::string(client.Stream().Data(), client.Stream().Size());
}

std::string Pattern(std::size_t size) {
    std::string data;
    for (std::size_t i = 0; i < size; ++i)
        data += static_cast<char>(i * 7 % 256);
    return data;
}

} // namespace stormbell::testing

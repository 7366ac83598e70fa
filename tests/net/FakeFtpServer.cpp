#include "FakeFtpServer.h"

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace stormbell::testing {

namespace {

// Long enough for any client step under the sanitizers, short enough that a broken test ends.
constexpr int StepTimeoutMs = 10000;

void WaitReadable(int s) {
    pollfd entry{s, POLLIN, 0};
    if (::poll(&entry, 1, StepTimeoutMs) <= 0)
        throw std::runtime_error("fake server: client silent");
}

void SendAll(int s, const std::string& bytes, bool oneByteEach) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const std::size_t chunk = oneByteEach ? 1 : bytes.size() - sent;
        const ssize_t n = ::send(s, bytes.data() + sent, chunk, MSG_NOSIGNAL);
        if (n < 0)
            throw std::runtime_error("fake server: send failed");
        sent += static_cast<std::size_t>(n);
    }
}

int ListenOnLoopback(std::uint16_t& port) {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    socklen_t length = sizeof address;
    if (s < 0 || ::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(s, 4) != 0 ||
        ::getsockname(s, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        throw std::runtime_error("fake server: cannot listen");
    port = ntohs(address.sin_port);
    return s;
}

void CloseIfOpen(int& s) {
    if (s >= 0)
        ::close(s);
    s = -1;
}

} // namespace

FakeFtpSession::FakeFtpSession(int control, std::vector<std::string>& commands, std::mutex& lock)
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
        WaitReadable(FControl);
        if (::recv(FControl, &byte, 1, 0) <= 0)
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

void FakeFtpSession::ServeReport(const std::string& report) {
    Login();
    Answer("250 CWD command successful");
    AnswerPasv();
    AcceptData();
    Answer("150 Opening BINARY mode data connection");
    SendData(report);
    CloseData();
    Reply("226 Transfer complete");
    Answer("221 Goodbye");
}

void FakeFtpSession::ServeBroken(Fault fault, const std::string& report) {
    Login();
    Answer("250 CWD command successful");
    if (fault == Fault::NoPasvAddress) {
        AnswerPasvWithoutAddress();
        Answer("226 Transfer complete");
    } else if (fault == Fault::Refused) {
        Answer("550 No such file or directory.");
    } else {
        AnswerPasv();
        AcceptData();
        Answer("150 Opening BINARY mode data connection");
        if (fault == Fault::ResetMidway) {
            SendData(report.substr(0, report.size() / 2));
            ResetData();
        } else {
            CloseData();
        }
        Reply("226 Transfer complete");
    }
    AnswerUntilClose();
}

void FakeFtpSession::AnswerPasvWithoutAddress() {
    ReadCommand();
    Reply("227 Entering Passive Mode");
}

void FakeFtpSession::ResetData() {
    // A zero linger time makes the close send a reset and drop what is still unsent.
    const linger abortive{1, 0};
    ::setsockopt(FData, SOL_SOCKET, SO_LINGER, &abortive, sizeof abortive);
    CloseIfOpen(FData);
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
    FData = ::accept(FListener, nullptr, nullptr);
    if (FData < 0)
        throw std::runtime_error("fake server: accept failed");
}

void FakeFtpSession::ConnectData(const std::string& portCommand, const char* from) {
    int h1, h2, h3, h4, p1, p2;
    if (std::sscanf(portCommand.c_str(), "PORT %d,%d,%d,%d,%d,%d", &h1, &h2, &h3, &h4, &p1, &p2) !=
        6)
        throw std::runtime_error("fake server: bad PORT " + portCommand);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(p1 * 256 + p2));
    address.sin_addr.s_addr = htonl(static_cast<std::uint32_t>(h1 << 24 | h2 << 16 | h3 << 8 | h4));
    sockaddr_in source{};
    source.sin_family = AF_INET;
    source.sin_addr.s_addr = ::inet_addr(from);
    FData = ::socket(AF_INET, SOCK_STREAM, 0);
    if (::bind(FData, reinterpret_cast<sockaddr*>(&source), sizeof source) != 0 ||
        ::connect(FData, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
        throw std::runtime_error("fake server: cannot connect to " + portCommand);
}

void FakeFtpSession::SendData(const std::string& bytes) {
    SendAll(FData, bytes, false);
}

std::string FakeFtpSession::ReceiveData() {
    std::string data;
    char buffer[4096];
    for (;;) {
        WaitReadable(FData);
        const ssize_t n = ::recv(FData, buffer, sizeof buffer, 0);
        if (n <= 0)
            return data;
        data.append(buffer, static_cast<std::size_t>(n));
    }
}

void FakeFtpSession::CloseData() {
    CloseIfOpen(FData);
}

void FakeFtpSession::WaitForClose() {
    char byte;
    for (;;) {
        WaitReadable(FControl);
        if (::recv(FControl, &byte, 1, 0) <= 0)
            return;
    }
}

void FakeFtpSession::SendRepeatedly(const std::string& unit, int gapMs, Channel channel) {
    const int s = channel == Channel::Control ? FControl : FData;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(StepTimeoutMs);
    while (std::chrono::steady_clock::now() < end) {
        // The gap is spent watching for the client's close, which ends the script's part.
        pollfd entry{s, POLLIN, 0};
        char byte;
        if (::poll(&entry, 1, gapMs) > 0 && ::recv(s, &byte, 1, MSG_DONTWAIT) <= 0)
            return;
        std::size_t sent = 0;
        while (sent < unit.size()) {
            entry = {s, POLLOUT, 0};
            if (::poll(&entry, 1, StepTimeoutMs) <= 0)
                throw std::runtime_error("fake server: client stopped reading");
            const ssize_t n =
                ::send(s, unit.data() + sent, unit.size() - sent, MSG_NOSIGNAL | MSG_DONTWAIT);
            if (n < 0 && errno != EAGAIN)
                return; // the client has gone
            sent += n > 0 ? static_cast<std::size_t>(n) : 0;
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
    ::close(FListener);
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
    pollfd entry{FListener, POLLIN, 0};
    while (::poll(&entry, 1, 20) == 0)
        if (FStopWaiting)
            return;
    int control = ::accept(FListener, nullptr, nullptr);
    if (control < 0)
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
    const int s = ListenOnLoopback(port);
    ::close(s);
    return port;
}

} // namespace stormbell::testing

#include "tools/cli/ReportFile.h"

#include <cerrno>
#include <cstring>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "observation/ReportLines.h"

namespace stormbell {

namespace {

constexpr std::size_t kChunk = 64 * 1024;

EReportFileError Failure(const char* what, const std::string& name, int error) {
    return EReportFileError(what + name + ": " + std::strerror(error));
}

EReportFileError TooLarge(const std::string& name, std::optional<std::size_t> size) {
    return EReportFileError(name + ": " + EReportTooLarge(size).what());
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { ::close(fd_); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

} // namespace

std::string ReadReportFile(const std::string& name) {
    // Non-blocking, so that opening a FIFO without a writer returns at once and can be refused.
    const int fd = ::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throw Failure("Cannot open ", name, errno);
    const Descriptor file(fd);
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        throw Failure("Cannot read ", name, errno);
    if (S_ISDIR(status.st_mode))
        throw Failure("Cannot read ", name, EISDIR);
    if (!S_ISREG(status.st_mode) && !S_ISCHR(status.st_mode))
        throw EReportFileError("Cannot read " + name + ": not a regular file or character device");
    if (S_ISREG(status.st_mode) && static_cast<std::size_t>(status.st_size) > kMaxReportBytes)
        throw TooLarge(name, static_cast<std::size_t>(status.st_size));
    // A character device such as a terminal is then read as standard input would be.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    std::string text;
    while (text.size() <= kMaxReportBytes) {
        const std::size_t start = text.size();
        text.resize(start + kChunk);
        const ssize_t count = ::read(fd, text.data() + start, kChunk);
        if (count < 0 && errno == EINTR) {
            text.resize(start);
            continue;
        }
        if (count < 0)
            throw Failure("Cannot read ", name, errno);
        text.resize(start + static_cast<std::size_t>(count));
        if (count == 0)
            return text;
    }
    throw TooLarge(name, std::nullopt);
}

std::string ReadReportStream(std::istream& in, const std::string& name) {
    std::string text;
    while (text.size() <= kMaxReportBytes && in) {
        const std::size_t start = text.size();
        text.resize(start + kChunk);
        in.read(text.data() + start, static_cast<std::streamsize>(kChunk));
        text.resize(start + static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad())
        throw EReportFileError("Cannot read " + name);
    if (text.size() > kMaxReportBytes)
        throw TooLarge(name, std::nullopt);
    return text;
}

} // namespace stormbell

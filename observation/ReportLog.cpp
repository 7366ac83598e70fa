#include "observation/ReportLog.h"

#include <cerrno>
#include <optional>
#include <string_view>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "observation/ObservationTexts.h"
#include "observation/ReportLines.h"

namespace stormbell {

namespace fs = std::filesystem;

namespace {

constexpr const char* LogName = "METAR.LOG";
constexpr const char* TmpName = "METAR.TMP";
constexpr const char* LineEnd = "\r\n";

[[noreturn]] void Fail(const char* what, const fs::path& file, int error) {
    throw ELogFileError(std::string(what) + file.filename().string() + ": " +
                        std::generic_category().message(error));
}

// Binding a name resolves it against the current directory, which fails when that directory
// has been removed under the running program.
std::optional<fs::path> Bind(const fs::path& directory, const char* name) {
    std::error_code error;
    fs::path path = fs::absolute(directory / name, error);
    if (error)
        return std::nullopt;
    return path;
}

// Owns one open descriptor; Close() reports the result, the destructor only cleans up.
class File {
public:
    File(const fs::path& path, int flags) : fd_(::open(path.c_str(), flags | O_CLOEXEC, 0666)) {}
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    ~File() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    bool IsOpen() const { return fd_ >= 0; }
    int Descriptor() const { return fd_; }
    int Close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result;
    }

private:
    int fd_;
};

// The log's text, or nothing when it cannot be opened as a regular file (typically: absent).
std::optional<std::string> ReadLog(const fs::path& path) {
    File file(path, O_RDONLY);
    if (!file.IsOpen())
        return std::nullopt;
    struct stat info {};
    if (::fstat(file.Descriptor(), &info) != 0)
        Fail(texts::CannotReadLog, path, errno);
    if (!S_ISREG(info.st_mode))
        return std::nullopt;
    std::string content;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t count = ::read(file.Descriptor(), buffer, sizeof buffer);
        if (count == 0)
            break;
        if (count < 0) {
            if (errno == EINTR)
                continue;
            Fail(texts::CannotReadLog, path, errno);
        }
        content.append(buffer, static_cast<std::size_t>(count));
    }
    if (file.Close() != 0)
        Fail(texts::CannotReadLog, path, errno);
    return content;
}

// Writes everything, forces it to the disk and closes: only then may a rename publish it.
void WriteAndClose(File& file, std::string_view data, const fs::path& path) {
    while (!data.empty()) {
        const ssize_t count = ::write(file.Descriptor(), data.data(), data.size());
        if (count < 0) {
            if (errno == EINTR)
                continue;
            Fail(texts::CannotWriteLog, path, errno);
        }
        data.remove_prefix(static_cast<std::size_t>(count));
    }
    if (::fsync(file.Descriptor()) != 0)
        Fail(texts::CannotWriteLog, path, errno);
    if (file.Close() != 0)
        Fail(texts::CannotWriteLog, path, errno);
}

void AppendReport(std::string& out, const std::vector<std::string>& lines) {
    for (const auto& line : lines)
        out.append(line).append(LineEnd);
    out.append(LineEnd);
}

} // namespace

std::error_code RenameOver(const fs::path& from, const fs::path& to) {
    std::error_code error;
    fs::rename(from, to, error);
    return error;
}

ReportLog::ReportLog(fs::path directory, MessageSink& messages, RenameFunction rename)
    : directory_(std::move(directory)), messages_(messages), rename_(std::move(rename)) {}

void ReportLog::Append(const std::vector<std::string>& lines) {
    const auto logPath = Bind(directory_, LogName);
    if (!logPath) {
        messages_.ShowMessage(texts::CannotAssignLog);
        return;
    }
    const auto oldLog = ReadLog(*logPath);
    if (!oldLog) {
        // Exclusive creation: a log that exists but cannot be read is never truncated.
        File log(*logPath, O_WRONLY | O_CREAT | O_EXCL);
        if (!log.IsOpen()) {
            messages_.ShowMessage(texts::CannotCreateLog);
            return;
        }
        std::string content;
        AppendReport(content, lines);
        WriteAndClose(log, content, *logPath);
        return;
    }
    const auto tmpPath = Bind(directory_, TmpName);
    if (!tmpPath) {
        messages_.ShowMessage(texts::CannotAssignTmp);
        return;
    }
    File tmp(*tmpPath, O_WRONLY | O_CREAT | O_TRUNC);
    if (!tmp.IsOpen()) {
        messages_.ShowMessage(texts::CannotCreateTmp);
        return;
    }
    std::string content;
    for (const auto& line : SplitReportLines(*oldLog))
        content.append(line).append(LineEnd);
    AppendReport(content, lines);
    WriteAndClose(tmp, content, *tmpPath);
    if (const auto error = rename_(*tmpPath, *logPath))
        messages_.ShowMessage(texts::CannotReplaceLog + error.message());
}

} // namespace stormbell

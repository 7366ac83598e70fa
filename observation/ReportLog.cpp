#include "observation/ReportLog.h"

#include <cerrno>
#include <cstdio>
#include <optional>
#include <string_view>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "observation/ObservationTexts.h"

namespace stormbell {

namespace fs = std::filesystem;

namespace {

constexpr const char* kLogName = "METAR.LOG";
constexpr const char* kTmpName = "METAR.TMP";
constexpr const char* kLockName = "METAR.LCK";
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kBlockSize = 1 << 16;

// Every open refuses a link as the last step and never waits for the other end of a FIFO.
constexpr int kOpenFlags = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;

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
    File(const fs::path& path, int flags)
        : fd_(::open(path.c_str(), flags | kOpenFlags, 0666)), error_(fd_ < 0 ? errno : 0) {}
    File(File&& other) noexcept
        : fd_(std::exchange(other.fd_, -1)), error_(std::exchange(other.error_, 0)) {}
    File& operator=(File&&) = delete;
    ~File() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    bool IsOpen() const { return fd_ >= 0; }
    /// errno of the failed open.
    int Error() const { return error_; }
    int Descriptor() const { return fd_; }
    /// Whether the descriptor is a regular file; fills `info` when it can be examined.
    bool IsRegular(struct stat& info) const {
        return ::fstat(fd_, &info) == 0 && S_ISREG(info.st_mode);
    }
    int Close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result;
    }

private:
    int fd_;
    int error_;
};

// Writes in blocks; Finish() forces everything to the disk and closes: only then may a rename
// publish the file.
class Writer {
public:
    Writer(File& file, const fs::path& path) : file_(file), path_(path) {}
    void Put(std::string_view data) {
        buffer_.append(data);
        if (buffer_.size() >= kBlockSize)
            Flush();
    }
    void Finish() {
        Flush();
        if (::fsync(file_.Descriptor()) != 0)
            Fail(texts::CannotWriteLog, path_, errno);
        if (file_.Close() != 0)
            Fail(texts::CannotWriteLog, path_, errno);
    }

private:
    void Flush() {
        std::string_view data = buffer_;
        while (!data.empty()) {
            const ssize_t count = ::write(file_.Descriptor(), data.data(), data.size());
            if (count < 0) {
                if (errno == EINTR)
                    continue;
                Fail(texts::CannotWriteLog, path_, errno);
            }
            data.remove_prefix(static_cast<std::size_t>(count));
        }
        buffer_.clear();
    }

    File& file_;
    const fs::path& path_;
    std::string buffer_;
};

// Removes METAR.TMP unless dismissed, so a failed write leaves nothing half written behind.
class TmpRemover {
public:
    explicit TmpRemover(const fs::path& path) : path_(path) {}
    TmpRemover(const TmpRemover&) = delete;
    TmpRemover& operator=(const TmpRemover&) = delete;
    ~TmpRemover() {
        if (!dismissed_)
            ::unlink(path_.c_str());
    }
    void Dismiss() { dismissed_ = true; }

private:
    const fs::path& path_;
    bool dismissed_ = false;
};

// Waits until no other process is rebuilding the log; nothing once the lock is held, else the
// message to show. The lock is released when `lock` is closed.
const char* TakeLock(const File& lock) {
    if (!lock.IsOpen()) {
        // A folder that is missing, or is no folder, cannot hold a log either.
        const bool noFolder = lock.Error() == ENOENT || lock.Error() == ENOTDIR;
        return noFolder ? texts::CannotCreateLog : texts::CannotLockLog;
    }
    struct stat info {};
    if (!lock.IsRegular(info))
        return texts::CannotLockLog;
    while (::flock(lock.Descriptor(), LOCK_EX) != 0) {
        if (errno != EINTR)
            return texts::CannotLockLog;
    }
    return nullptr;
}

// A fresh, empty METAR.TMP. One of our own left by a crash is removed first; anything else of
// that name (a link, a FIFO, a directory, a file with other names or another owner) stays and
// the returned file is not open.
File CreateTmp(const fs::path& path) {
    File fresh(path, O_WRONLY | O_CREAT | O_EXCL);
    if (fresh.IsOpen() || fresh.Error() != EEXIST)
        return fresh;
    {
        File stale(path, O_RDONLY);
        struct stat info {};
        if (!stale.IsOpen() || !stale.IsRegular(info) || info.st_uid != ::geteuid() ||
            info.st_nlink != 1 || ::unlink(path.c_str()) != 0)
            return fresh;
    }
    return File(path, O_WRONLY | O_CREAT | O_EXCL);
}

// Copies the old log block by block, ending every line with CR LF whatever it ended with (CR LF,
// LF or a lone CR) and ending an unfinished last line.
void CopyLines(File& from, const fs::path& fromPath, Writer& to) {
    std::string block(kBlockSize, '\0');
    bool afterCr = false; // an LF right after a CR belongs to the same line end
    bool lineOpen = false;
    for (;;) {
        const ssize_t count = ::read(from.Descriptor(), block.data(), block.size());
        if (count < 0) {
            if (errno == EINTR)
                continue;
            Fail(texts::CannotReadLog, fromPath, errno);
        }
        if (count == 0)
            break;
        std::string_view rest(block.data(), static_cast<std::size_t>(count));
        while (!rest.empty()) {
            const std::size_t end = rest.find_first_of("\r\n");
            if (end != 0) {
                const std::string_view text = rest.substr(0, end);
                to.Put(text);
                rest.remove_prefix(text.size());
                afterCr = false;
                lineOpen = true;
                continue;
            }
            if (rest.front() != '\n' || !afterCr)
                to.Put(kLineEnd);
            afterCr = rest.front() == '\r';
            lineOpen = false;
            rest.remove_prefix(1);
        }
    }
    if (lineOpen)
        to.Put(kLineEnd);
}

void PutReport(Writer& to, const std::vector<std::string>& lines) {
    for (const auto& line : lines) {
        to.Put(line);
        to.Put(kLineEnd);
    }
    to.Put(kLineEnd);
}

// Gives the first log its name without replacing anything that took the name meanwhile (a
// program that ignores the lock). Where the file system cannot refuse to replace, a plain
// rename serves: the lock already keeps our own processes out.
std::error_code PublishFirst(const fs::path& from, const fs::path& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return {};
    if (errno != EINVAL && errno != ENOSYS)
        return {errno, std::generic_category()};
    return RenameOver(from, to);
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
    const auto logPath = Bind(directory_, kLogName);
    if (!logPath) {
        messages_.ShowMessage(texts::CannotAssignLog);
        return;
    }
    // Held until the new log has its name, so that no other process reads the old one meanwhile.
    const File lock(logPath->parent_path() / kLockName, O_RDWR | O_CREAT);
    if (const char* problem = TakeLock(lock)) {
        messages_.ShowMessage(problem);
        return;
    }
    File log(*logPath, O_RDONLY);
    struct stat logInfo {};
    const bool firstLog = !log.IsOpen() && log.Error() == ENOENT;
    if (!firstLog && (!log.IsOpen() || !log.IsRegular(logInfo))) {
        // A log that exists but is no regular file we can read is never replaced.
        messages_.ShowMessage(texts::CannotCreateLog);
        return;
    }
    const auto tmpPath = Bind(directory_, kTmpName);
    if (!tmpPath) {
        messages_.ShowMessage(texts::CannotAssignTmp);
        return;
    }
    File tmp = CreateTmp(*tmpPath);
    if (!tmp.IsOpen()) {
        messages_.ShowMessage(texts::CannotCreateTmp);
        return;
    }
    TmpRemover remover(*tmpPath);
    Writer out(tmp, *tmpPath);
    if (!firstLog) {
        if (::fchmod(tmp.Descriptor(), logInfo.st_mode & 07777) != 0)
            Fail(texts::CannotWriteLog, *tmpPath, errno);
        CopyLines(log, *logPath, out);
        if (log.Close() != 0)
            Fail(texts::CannotReadLog, *logPath, errno);
    }
    PutReport(out, lines);
    out.Finish();
    if (firstLog) {
        if (PublishFirst(*tmpPath, *logPath)) {
            messages_.ShowMessage(texts::CannotCreateLog);
            return;
        }
        remover.Dismiss();
        return;
    }
    // A failed replacement keeps both files: the new content stays in METAR.TMP.
    remover.Dismiss();
    if (const auto error = rename_(*tmpPath, *logPath))
        messages_.ShowMessage(texts::CannotReplaceLog + error.message());
}

} // namespace stormbell

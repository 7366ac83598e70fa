#include "observation/ReportLog.h"

#include <optional>
#include <string_view>
#include <utility>

#include "observation/ObservationTexts.h"

namespace stormbell {

namespace fs = std::filesystem;

namespace {

constexpr const char* kLogName = "METAR.LOG";
constexpr const char* kTmpName = "METAR.TMP";
constexpr const char* kLockName = "METAR.LCK";
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kBlockSize = 1 << 16;

[[noreturn]] void Fail(const char* what, const fs::path& file, std::error_code error) {
    throw ELogFileError(std::string(what) + file.filename().string() + ": " + error.message());
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

bool IsMissing(std::error_code error) {
    return error == std::errc::no_such_file_or_directory;
}

// Writes in blocks; Finish() forces everything to the disk and closes: only then may a rename
// publish the file.
class Writer {
public:
    Writer(NativeFile& file, const fs::path& path) : file_(file), path_(path) {}
    void Put(std::string_view data) {
        buffer_.append(data);
        if (buffer_.size() >= kBlockSize)
            Flush();
    }
    void Finish() {
        Flush();
        if (!file_.Flush())
            Fail(texts::CannotWriteLog, path_, file_.Error());
        if (const auto error = file_.Close())
            Fail(texts::CannotWriteLog, path_, error);
    }

private:
    void Flush() {
        if (!file_.Write(buffer_))
            Fail(texts::CannotWriteLog, path_, file_.Error());
        buffer_.clear();
    }

    NativeFile& file_;
    const fs::path& path_;
    std::string buffer_;
};

// Closes METAR.TMP if still open, then removes it unless dismissed, so a failed write leaves
// nothing half written behind. Closing first: Windows refuses to remove an open file.
class TmpRemover {
public:
    TmpRemover(NativeFile& file, const fs::path& path) : file_(file), path_(path) {}
    TmpRemover(const TmpRemover&) = delete;
    TmpRemover& operator=(const TmpRemover&) = delete;
    ~TmpRemover() {
        if (dismissed_)
            return;
        if (file_.IsOpen())
            file_.Close();
        RemoveFile(path_);
    }
    void Dismiss() { dismissed_ = true; }

private:
    NativeFile& file_;
    const fs::path& path_;
    bool dismissed_ = false;
};

// Waits until no other process is rebuilding the log, trying every kLogLockPoll for at most
// kLogLockWait; nothing once the lock is held, else the message to show. The lock is released
// when `lock` is closed.
const char* TakeLock(NativeFile& lock, Pause& pause) {
    if (!lock.IsOpen()) {
        // A folder that is missing, or is no folder, cannot hold a log either.
        const bool noFolder = IsMissing(lock.Error()) || lock.Error() == std::errc::not_a_directory;
        return noFolder ? texts::CannotCreateLog : texts::CannotLockLog;
    }
    if (lock.Kind() != FileKind::Regular)
        return texts::CannotLockLog;
    for (int waited = 0;; waited += kLogLockPoll) {
        const LockResult result = lock.TryLock();
        if (result == LockResult::Held)
            return nullptr;
        if (result == LockResult::Failed || waited >= kLogLockWait)
            return texts::CannotLockLog;
        pause.Sleep(kLogLockPoll);
    }
}

// A fresh, empty METAR.TMP. One of our own left by a crash is removed first, after it is
// closed; anything else of that name (a link, a FIFO, a directory, a file with other names or
// another owner) stays and the returned file is not open.
NativeFile CreateTmp(const fs::path& path) {
    NativeFile fresh(path, OpenMode::CreateNew);
    if (fresh.IsOpen() || fresh.Error() != std::errc::file_exists)
        return fresh;
    NativeFile stale(path, OpenMode::Read);
    const bool ours = stale.IsOpen() && stale.IsOwnSingleName();
    if (stale.IsOpen())
        stale.Close();
    if (!ours || RemoveFile(path))
        return fresh;
    return NativeFile(path, OpenMode::CreateNew);
}

// Copies the old log block by block, ending every line with CR LF whatever it ended with (CR LF,
// LF or a lone CR) and ending an unfinished last line.
void CopyLines(NativeFile& from, const fs::path& fromPath, Writer& to) {
    std::string block(kBlockSize, '\0');
    bool afterCr = false; // an LF right after a CR belongs to the same line end
    bool lineOpen = false;
    for (;;) {
        const long count = from.Read(block.data(), block.size());
        if (count < 0)
            Fail(texts::CannotReadLog, fromPath, from.Error());
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

} // namespace

ReportLog::ReportLog(fs::path directory, MessageSink& messages, Pause& lockPause,
                     RenameFunction rename, BlockingRunner& copier)
    : directory_(std::move(directory)), messages_(messages), lockPause_(lockPause),
      rename_(std::move(rename)), copier_(copier) {}

void ReportLog::Append(const std::vector<std::string>& lines) {
    const auto logPath = Bind(directory_, kLogName);
    if (!logPath) {
        messages_.ShowMessage(texts::CannotAssignLog);
        return;
    }
    // Held until the new log has its name, so that no other process reads the old one meanwhile.
    NativeFile lock(logPath->parent_path() / kLockName, OpenMode::ReadWrite);
    if (const char* problem = TakeLock(lock, lockPause_)) {
        messages_.ShowMessage(problem);
        return;
    }
    NativeFile log(*logPath, OpenMode::Read);
    const bool firstLog = !log.IsOpen() && IsMissing(log.Error());
    if (!firstLog && (!log.IsOpen() || log.Kind() != FileKind::Regular)) {
        // A log that exists but is no regular file we can read is never replaced.
        messages_.ShowMessage(texts::CannotCreateLog);
        return;
    }
    const auto tmpPath = Bind(directory_, kTmpName);
    if (!tmpPath) {
        messages_.ShowMessage(texts::CannotAssignTmp);
        return;
    }
    NativeFile tmp = CreateTmp(*tmpPath);
    if (!tmp.IsOpen()) {
        messages_.ShowMessage(texts::CannotCreateTmp);
        return;
    }
    TmpRemover remover(tmp, *tmpPath);
    // Messages are shown here, on the caller's thread, once the rebuild has ended.
    const char* problem = nullptr;
    std::error_code replaceError;
    copier_.Run([&] {
        Writer out(tmp, *tmpPath);
        if (!firstLog) {
            if (!tmp.CopyPermissions(log))
                Fail(texts::CannotWriteLog, *tmpPath, tmp.Error());
            CopyLines(log, *logPath, out);
            if (const auto error = log.Close())
                Fail(texts::CannotReadLog, *logPath, error);
        }
        PutReport(out, lines);
        out.Finish();
        if (firstLog) {
            // Gives the first log its name without replacing anything that took the name
            // meanwhile (a program that ignores the lock).
            if (PublishNewFile(*tmpPath, *logPath))
                problem = texts::CannotCreateLog;
            else
                remover.Dismiss();
            return;
        }
        // A failed replacement keeps both files: the new content stays in METAR.TMP.
        remover.Dismiss();
        replaceError = rename_(*tmpPath, *logPath);
    });
    if (problem)
        messages_.ShowMessage(problem);
    else if (replaceError)
        messages_.ShowMessage(texts::CannotReplaceLog + replaceError.message());
}

} // namespace stormbell

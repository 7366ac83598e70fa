// Appends each fetched report to METAR.LOG, rebuilding the log through METAR.TMP so that a
// crash at any instant leaves either the old or the new log complete. Gauges sharing a folder
// take turns through an advisory lock on METAR.LCK beside the log, each waiting a bounded time.
// The rebuild's cost grows with the log (about 260 MB a year at a one-minute interval), so it
// runs on a runner the window can keep live on.
#pragma once

#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

#include "platform/BlockingRunner.h"
#include "platform/Files.h"
#include "platform/MessageSink.h"
#include "platform/Pause.h"

namespace stormbell {

/// A log file that was found but could not be read, written or closed.
class ELogFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// Puts `from` in the place of `to` in one atomic step, replacing `to`; returns the error.
using RenameFunction = std::function<std::error_code(const std::filesystem::path& from,
                                                     const std::filesystem::path& to)>;

/// How long Append waits for another process's lock before it gives up, in milliseconds.
inline constexpr int kLogLockWait = 5000;
/// The pause between two tries for the lock, in milliseconds.
inline constexpr int kLogLockPoll = 50;

class ReportLog {
public:
    /// Logs into `directory`; a relative directory is resolved at each append. Waits for the
    /// lock on `lockPause` and rebuilds the log on `copier`, which must outlive the log; only
    /// the rebuild, which touches no state but the files, runs there.
    ReportLog(std::filesystem::path directory, MessageSink& messages,
              Pause& lockPause = SharedThreadPause(), RenameFunction rename = ReplaceByRename,
              BlockingRunner& copier = SharedDirectRunner());

    /// Appends the lines and one empty line, CR LF each, waiting up to kLogLockWait for any
    /// other process that is rebuilding the same log; what the pause throws meanwhile leaves
    /// here with the log as it was. When a file name cannot be resolved, a file cannot be
    /// created or locked in time, a name is taken by anything but a regular file of our own (a
    /// link, a FIFO, a directory) or the rebuilt log cannot replace the old one, shows a message
    /// and leaves the log as it was; a read, write or close failure removes METAR.TMP, leaves
    /// the log as it was and throws ELogFileError.
    void Append(const std::vector<std::string>& lines);

private:
    std::filesystem::path directory_;
    MessageSink& messages_;
    Pause& lockPause_;
    RenameFunction rename_;
    BlockingRunner& copier_;
};

} // namespace stormbell

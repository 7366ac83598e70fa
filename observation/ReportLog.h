// Appends each fetched report to METAR.LOG, rebuilding the log through METAR.TMP so that a
// crash at any instant leaves either the old or the new log complete. Gauges sharing a folder
// take turns through an advisory lock on METAR.LCK beside the log.
#pragma once

#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

#include "platform/MessageSink.h"

namespace stormbell {

/// A log file that was found but could not be read, written or closed.
class ELogFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// Puts `from` in the place of `to` in one atomic step, replacing `to`; returns the error.
using RenameFunction = std::function<std::error_code(const std::filesystem::path& from,
                                                     const std::filesystem::path& to)>;

/// The system's rename: atomic, replaces an existing file, never deletes it first.
std::error_code RenameOver(const std::filesystem::path& from, const std::filesystem::path& to);

class ReportLog {
public:
    /// Logs into `directory`; a relative directory is resolved at each append.
    ReportLog(std::filesystem::path directory, MessageSink& messages,
              RenameFunction rename = RenameOver);

    /// Appends the lines and one empty line, CR LF each, waiting for any other process that is
    /// rebuilding the same log. When a file name cannot be resolved, a file cannot be created or
    /// locked, a name is taken by anything but a regular file of our own (a link, a FIFO, a
    /// directory) or the rebuilt log cannot replace the old one, shows a message and leaves the
    /// log as it was; a read, write or close failure removes METAR.TMP, leaves the log as it
    /// was and throws ELogFileError.
    void Append(const std::vector<std::string>& lines);

private:
    std::filesystem::path directory_;
    MessageSink& messages_;
    RenameFunction rename_;
};

} // namespace stormbell

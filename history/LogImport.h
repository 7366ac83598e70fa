// Reads a report log (METAR.LOG: reports one after another, each ended by an empty line) into
// the history, in batches, holding one batch of readings in memory at a time.
#pragma once

#include <chrono>
#include <cstddef>
#include <istream>
#include <stop_token>

#include "history/HistoryStore.h"

namespace stormbell {

/// What an import did with the log's reports.
struct ImportCounts {
    std::size_t Added = 0;      ///< new readings stored
    std::size_t Duplicates = 0; ///< readings the store held already
    std::size_t Skipped = 0;    ///< damaged entries: no station or time, an implausible time,
                                ///< a line over kMaxLogLine, or larger than a report
    bool Stopped = false;       ///< a stop was asked for: the batches before it are stored

    bool operator==(const ImportCounts&) const = default;
};

/// How many readings one transaction of an import stores.
inline constexpr std::size_t kImportBatch = 2000;
/// The longest line a log entry may have; a longer one is skipped unread.
inline constexpr std::size_t kMaxLogLine = 64 * 1024;

/// An import that failed part-way: the store's error, and what was stored before it.
class EImportFailed : public EHistoryError {
public:
    EImportFailed(const EHistoryError& cause, const ImportCounts& stored)
        : EHistoryError(cause.what() + std::string("; ") + std::to_string(stored.Added) +
                            " readings were stored before",
                        cause.Damaged()),
          stored_(stored) {}
    const ImportCounts& Stored() const { return stored_; }

private:
    ImportCounts stored_;
};

/// Stores every report of `log` in `store`, received at `received`, kImportBatch to a
/// transaction, and ends after the batch during which `stop` is requested. A damaged entry is
/// counted and skipped; a store error leaves as EImportFailed, the batches before it stored.
ImportCounts ImportLog(std::istream& log, HistoryStore& store, std::chrono::sys_seconds received,
                       std::stop_token stop = {});

} // namespace stormbell

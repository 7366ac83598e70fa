// Reads a report log (METAR.LOG: reports one after another, each ended by an empty line) into
// the history, in batches, holding one batch of readings in memory at a time.
#pragma once

#include <chrono>
#include <cstddef>
#include <istream>

#include "history/HistoryStore.h"

namespace stormbell {

/// What an import did with the log's reports.
struct ImportCounts {
    std::size_t Added = 0;      ///< new readings stored
    std::size_t Duplicates = 0; ///< readings the store held already
    std::size_t Skipped = 0;    ///< damaged entries: no station or time, or larger than a report

    bool operator==(const ImportCounts&) const = default;
};

/// How many readings one transaction of an import stores.
inline constexpr std::size_t kImportBatch = 2000;

/// Stores every report of `log` in `store`, received at `received`, kImportBatch to a
/// transaction. A damaged entry is counted and skipped; a store error leaves as EHistoryError,
/// the batches before it stored.
ImportCounts ImportLog(std::istream& log, HistoryStore& store, std::chrono::sys_seconds received);

} // namespace stormbell

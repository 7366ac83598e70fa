// The reading history: one row per station and observation time in an SQLite file that several
// gauges and the cli share. Write-ahead logging and short transactions keep every committed
// reading through a crash; a file that is no sound database is set aside, never deleted.
#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <stop_token>
#include <string>
#include <vector>

#include "history/HistoryAside.h"
#include "history/HistoryReading.h"
#include "platform/FileIdentity.h"

namespace stormbell {

/// The history could not be opened, read or written; the message says what and where.
class EHistoryError : public std::runtime_error {
public:
    EHistoryError(const std::string& message, bool damaged)
        : std::runtime_error(message), damaged_(damaged) {}
    /// The file is not a database or its content is damaged (rather than unreachable).
    bool Damaged() const { return damaged_; }

private:
    bool damaged_;
};

/// What to do with a file that turns out to be damaged when it is opened.
enum class WhenDamaged {
    SetAside, ///< rename it (and its journal) to "<file>.bad", "<file>.bad.1", ... and start anew
    Refuse,   ///< leave it and throw
    Inspect,  ///< open it for reading only, writing nothing to it or its journals; throw
};

/// Which readings to read; every bound is optional and inclusive.
struct HistoryQuery {
    std::optional<std::string> Station = std::nullopt;
    std::optional<std::chrono::sys_seconds> Since = std::nullopt;
    std::optional<std::chrono::sys_seconds> Until = std::nullopt;
};

/// The file name within the data folder.
inline constexpr const char* kHistoryFileName = "history.sqlite3";
/// How long a write waits for another writer's transaction before it fails.
inline constexpr std::chrono::milliseconds kHistoryBusyWait{5000};

/// Whether a report observed at `observed` may be kept when the clock reads `now`: not before
/// 1900 and no more than a day ahead (a report's clock may run a little fast, never years).
bool PlausibleObservation(std::chrono::sys_seconds observed, std::chrono::sys_seconds now);

class HistoryStore {
public:
    /// False in a build without SQLite: every open then throws, saying so.
    static bool Available();

    /// Opens `file`, creating it and its folder when missing, and brings its schema to the
    /// current version; a file that can be read but not written is opened for reading only.
    /// Throws EHistoryError when it cannot, and for a schema it does not know (left alone); a
    /// damaged file is handled as `whenDamaged` says, and Aside() then tells where it went. A wait
    /// for another program's lock ends early once `stop` is requested.
    explicit HistoryStore(const std::filesystem::path& file,
                          WhenDamaged whenDamaged = WhenDamaged::SetAside,
                          std::stop_token stop = {});
    ~HistoryStore();
    HistoryStore(const HistoryStore&) = delete;
    HistoryStore& operator=(const HistoryStore&) = delete;

    /// Stores one reading in a transaction of its own: true when added, false when the store
    /// already holds that station and time (the stored row is kept as it was). Throws
    /// EHistoryError for an implausible observation time (PlausibleObservation against its
    /// receipt) and when the store was opened for reading only.
    bool Add(const HistoryReading& reading);
    /// Stores the readings in one transaction, all or none; the number added. Throws as Add.
    std::size_t AddAll(const std::vector<HistoryReading>& readings);
    /// Whether the store holds a reading of `station` observed at `observed`.
    bool Holds(const std::string& station, std::chrono::sys_seconds observed) const;
    /// Notes that an alert was given for `station` at `observed`: true the first time ever,
    /// false when one was noted before. Throws EHistoryError when it cannot be written.
    bool NoteAlert(const std::string& station, std::chrono::sys_seconds observed);
    /// Calls `each` with the matching readings, by observation time, then station.
    void ForEach(const HistoryQuery& query,
                 const std::function<void(const HistoryReading&)>& each) const;
    /// The matching readings, as ForEach gives them.
    std::vector<HistoryReading> Readings(const HistoryQuery& query) const;
    /// The stations the store holds readings of, in order; throws EHistoryError when it cannot
    /// be read.
    std::vector<std::string> Stations() const;
    /// Calls `each` with every reading that can still be read in a damaged store: those before
    /// the damage in key order, then those after it; the number given. Never throws for damage.
    std::size_t ForEachReadable(const std::function<void(const HistoryReading&)>& each) const;
    /// How many readings the store holds.
    long long Count() const;

    /// Nothing, or which damaged file was set aside where when this store was opened.
    const std::optional<HistoryAside>& Aside() const { return aside_; }
    /// The store can be read but not written (a read-only file or folder).
    bool ReadOnly() const { return readOnly_; }
    /// The file this store opened, as it was found at the open; nothing when unknown.
    const std::optional<FileIdentity>& Identity() const { return identity_; }

private:
    struct Connection;
    std::filesystem::path file_;
    std::unique_ptr<Connection> connection_;
    std::optional<HistoryAside> aside_;
    bool readOnly_ = false;
    std::optional<FileIdentity> identity_;
};

/// Renames the damaged history `file` and its journal files aside under the first free name of
/// "<file>.bad", "<file>.bad.1", ... (the settings file's naming), but only while `file` is still
/// the file `damaged` (when given); then keeps the readings still readable in a new store at
/// `file`. Returns where the copy went and what was kept (AsideNotice words it). Throws
/// EHistoryError when `file` is another file by now or a rename fails (a failed journal rename
/// puts the file back).
HistoryAside SetHistoryAside(const std::filesystem::path& file,
                             const std::optional<FileIdentity>& damaged);

} // namespace stormbell

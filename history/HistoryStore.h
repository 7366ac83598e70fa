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
#include <string>
#include <vector>

#include "history/HistoryReading.h"

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

class HistoryStore {
public:
    /// False in a build without SQLite: every open then throws, saying so.
    static bool Available();

    /// Opens `file`, creating it and its folder when missing, and brings its schema to the
    /// current version. Throws EHistoryError when it cannot; a damaged file is handled as
    /// `whenDamaged` says, and SetAsideNotice() then tells where it went.
    explicit HistoryStore(const std::filesystem::path& file,
                          WhenDamaged whenDamaged = WhenDamaged::SetAside);
    ~HistoryStore();
    HistoryStore(const HistoryStore&) = delete;
    HistoryStore& operator=(const HistoryStore&) = delete;

    /// Stores one reading in a transaction of its own: true when added, false when the store
    /// already holds that station and time (the stored row is kept as it was).
    bool Add(const HistoryReading& reading);
    /// Stores the readings in one transaction, all or none; the number added.
    std::size_t AddAll(const std::vector<HistoryReading>& readings);
    /// Calls `each` with the matching readings, by observation time, then station.
    void ForEach(const HistoryQuery& query,
                 const std::function<void(const HistoryReading&)>& each) const;
    /// The matching readings, as ForEach gives them.
    std::vector<HistoryReading> Readings(const HistoryQuery& query) const;
    /// How many readings the store holds.
    long long Count() const;

    /// Empty, or which damaged file was set aside where when this store was opened.
    const std::string& SetAsideNotice() const { return notice_; }

private:
    struct Connection;
    std::filesystem::path file_;
    std::unique_ptr<Connection> connection_;
    std::string notice_;
};

/// Renames the damaged history `file` and its journal files aside under the first free name of
/// "<file>.bad", "<file>.bad.1", ... (the settings file's naming); returns that name. Throws
/// EHistoryError when the rename fails.
std::filesystem::path SetHistoryAside(const std::filesystem::path& file);

} // namespace stormbell

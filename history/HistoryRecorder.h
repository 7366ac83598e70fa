// The history's one connection and all that is done with it for the gauge: each decoded reading
// kept with its pressure trend, reads for the history window, log imports and the alerts given.
// Every failure is caught and told in the result: the history never stops a reading from showing.
#pragma once

#include <chrono>
#include <filesystem>
#include <istream>
#include <memory>
#include <optional>
#include <stop_token>
#include <string>
#include <utility>
#include <vector>

#include "history/HistoryStore.h"
#include "history/LogImport.h"
#include "history/PressureTrend.h"
#include "observation/ReadingKey.h"

namespace stormbell {

/// What became of one reading.
struct RecordResult {
    std::optional<ReadingKey> Reading; ///< nothing: the report names no station or time
    bool Stored = false;               ///< the history holds it now (added, or there already)
    std::string Problem; ///< why it could not be stored; empty when it was or history is off
    std::optional<HistoryAside> Aside; ///< a damaged history that was set aside meanwhile
    std::optional<PressureTrend> Trend;
};

/// The readings asked for by one query.
struct HistoryRead {
    HistoryQuery Query;
    std::vector<HistoryReading> Readings;
    std::string Problem;               ///< why they could not be read; empty when they were
    std::optional<HistoryAside> Aside; ///< a damaged history that was set aside meanwhile
};

/// The stations the history holds readings of.
struct HistoryStations {
    std::vector<std::string> Stations; ///< in order, "KBFI", "KFNT"
    std::string Problem;               ///< why they could not be read; empty when they were
    std::optional<HistoryAside> Aside; ///< a damaged history that was set aside meanwhile
};

/// An import's stop at a damaged history in `wording`'s words: the store's error `cause`, then
/// where the history was set aside.
inline std::string ImportSetAsideText(const std::string& cause, const HistoryAside& aside,
                                      const Wording& wording = English()) {
    return cause + ". " + AsideNotice(aside, wording);
}

/// An import that met a damaged history: the store's error, with where the history was set
/// aside told after it in English.
class EImportSetAside : public EHistoryError {
public:
    EImportSetAside(const EHistoryError& cause, HistoryAside aside)
        : EHistoryError(ImportSetAsideText(cause.what(), aside), true), cause_(cause.what()),
          aside_(std::move(aside)) {}
    /// The store's error alone.
    const std::string& Cause() const { return cause_; }
    const HistoryAside& Aside() const { return aside_; }

private:
    std::string cause_;
    HistoryAside aside_;
};

/// Whether an alert may be given for a reading.
struct AlertClaim {
    ReadingKey Reading;
    bool First = true;   ///< none was given for it before (also when the history cannot tell)
    std::string Problem; ///< why the history could not tell or note it
};

class HistoryRecorder {
public:
    /// Keeps the history in `file` (nothing: no data folder is known), opened at the first use;
    /// a wait for another program's lock ends once `stop` is requested. Use from one thread.
    explicit HistoryRecorder(std::optional<std::filesystem::path> file, std::stop_token stop = {});
    ~HistoryRecorder();

    /// Stores the reading of `reportLines` received at `received` when `keep`, and gives its
    /// trend: the report's own, else (when kept) from the stored readings. Never throws.
    RecordResult Record(const std::vector<std::string>& reportLines,
                        std::chrono::sys_seconds received, bool keep);
    /// The readings `query` asks for; a missing store holds none and is not made. Never throws.
    HistoryRead Read(const HistoryQuery& query);
    /// The stations the store holds; a missing store holds none and is not made. Never throws.
    HistoryStations Stations();
    /// Imports the report log `log` as ImportLog does, ending after the batch during which
    /// `stop` is requested. Throws EHistoryError (EImportFailed once a batch was stored) when
    /// the store fails; a store found damaged is set aside, then EImportSetAside is thrown.
    ImportCounts Import(std::istream& log, std::chrono::sys_seconds received, std::stop_token stop);
    /// Notes that an alert is given for `reading`, telling whether it is the first. Never throws.
    AlertClaim ClaimAlert(const ReadingKey& reading);

private:
    HistoryStore& Store(std::optional<HistoryAside>& aside);
    template <typename Use> auto WithStore(std::optional<HistoryAside>& aside, Use use);

    std::optional<std::filesystem::path> file_;
    std::stop_token stop_;
    std::unique_ptr<HistoryStore> store_;
};

} // namespace stormbell

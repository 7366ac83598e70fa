// The window's thread's way to the history: every request goes to the history's own thread,
// which holds the one connection, and its answer comes back to the window's thread. Nothing here
// waits for the store.
#pragma once

#include <QObject>
#include <QPointer>

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

#include "history/HistoryRecorder.h"
#include "history/HistoryWorker.h"

namespace stormbell {

/// What a log import came to: the counts, or what stopped it.
struct ImportOutcome {
    std::filesystem::path Log;
    ImportCounts Counts;
    std::string Problem;               ///< empty when the whole log was read
    std::optional<HistoryAside> Aside; ///< the damaged history the import met, set aside
};

class HistoryLink final : public QObject {
    Q_OBJECT
public:
    /// Keeps the history in `file` (nothing: no data folder is known).
    explicit HistoryLink(std::optional<std::filesystem::path> file, QObject* parent = nullptr);
    /// Stops an import at its next batch, finishes the stores already asked for, then ends; the
    /// answers not yet given are dropped.
    ~HistoryLink() override;

    /// Each answer below is given on this thread to `done`, unless `receiver` has gone by then.
    /// Stores the reading of `reportLines`, as HistoryRecorder::Record.
    void Record(const std::vector<std::string>& reportLines, std::chrono::sys_seconds received,
                bool keep, QObject* receiver, std::function<void(const RecordResult&)> done);
    /// Reads the readings `query` asks for.
    void Read(const HistoryQuery& query, QObject* receiver,
              std::function<void(const HistoryRead&)> done);
    /// Lists the stations the store holds readings of.
    void Stations(QObject* receiver, std::function<void(const HistoryStations&)> done);
    /// Imports the report log `log`; StopImport ends it at its next batch.
    void Import(const std::filesystem::path& log, std::chrono::sys_seconds received,
                QObject* receiver, std::function<void(const ImportOutcome&)> done);
    /// Ends an import under way at its next batch, keeping the batches stored.
    void StopImport();
    /// Notes an alert for `reading`, telling whether it is the first ever.
    void ClaimAlert(const ReadingKey& reading, QObject* receiver,
                    std::function<void(const AlertClaim&)> done);
    /// The file the history is kept in; nothing when no data folder is known.
    const std::optional<std::filesystem::path>& File() const { return file_; }

signals:
    /// A failure on the history's thread that no answer could carry.
    void Failed(const QString& what);

private:
    template <typename Answer>
    void Reply(const QPointer<QObject>& receiver, const std::function<void(const Answer&)>& done,
               Answer answer);

    std::optional<std::filesystem::path> file_;
    std::stop_source ending_; // ends a wait for another program's lock when this goes
    std::stop_source importStop_;
    HistoryRecorder recorder_; // used on the worker's thread only
    HistoryWorker worker_;     // last: it ends, and finishes its jobs, before the recorder goes
};

} // namespace stormbell

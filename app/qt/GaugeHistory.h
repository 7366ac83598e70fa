// The gauge's side of the history: each decoded reading goes to the store on the history's
// thread, what became of it comes back for the tooltip, and the history window follows the gauge.
#pragma once

#include <QObject>
#include <QPointer>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "history/HistoryRecorder.h"
#include "history/qt/HistoryLink.h"
#include "history/qt/HistoryWindow.h"
#include "platform/Clock.h"

namespace stormbell {

class GaugeHistory final : public QObject {
    Q_OBJECT
public:
    /// Keeps the history in `storeFile` (nothing: no data folder is known); `changed` runs on
    /// this thread whenever a reading's outcome, or a failure of the history's thread, has come
    /// back. `clock` must outlive this.
    GaugeHistory(std::optional<std::filesystem::path> storeFile, const Clock& clock,
                 std::function<void()> changed, QObject* parent = nullptr);
    /// Closes the history window, stops an import at its next batch and finishes the stores
    /// already handed over.
    ~GaugeHistory() override;

    /// Hands the reading of `reportLines` to the history's thread: stored when `keep`, its
    /// trend found. Its outcome comes back as LastResult, keyed by its station and time.
    void Record(const std::vector<std::string>& reportLines, bool keep);
    /// The tooltip's lines about the last reading's trend and storage, and a failure of the
    /// history's thread; may be empty.
    std::string Note() const;
    /// What became of the last reading to come back; its Reading says which reading it was.
    const RecordResult& LastResult() const { return last_; }
    /// How many readings have come back so far.
    std::size_t Outcomes() const { return outcomes_; }
    /// Notes in the history that an alert is given for `reading`; `done` is told on this thread
    /// whether it is the first ever for that station and observation time (when the history
    /// cannot tell, it is, and the claim's Problem says why).
    void ClaimAlert(const ReadingKey& reading, std::function<void(const AlertClaim&)> done);
    /// Brings up the history window following `view`; `parent` shows it.
    void ShowWindow(const HistoryView& view, QWidget* parent);
    /// The window, once it was shown.
    HistoryWindow* Window() const { return window_; }

private:
    const Clock& clock_;
    std::function<void()> changed_;
    RecordResult last_;
    std::string failure_;
    std::size_t outcomes_ = 0;
    HistoryLink link_;
    QPointer<HistoryWindow> window_; // goes before the link it reads through
};

/// The history file in the user's data folder; nothing when no such folder is known.
std::optional<std::filesystem::path> DefaultHistoryFile();

/// What the history window follows: `station` (a report file name "KBFI.TXT" or an identifier),
/// the skin's units, and the reference hand at `pressSet` read on the side of the dial nearest
/// the shown pressure text `shownInches`.
HistoryView GaugeHistoryView(const std::string& station, bool metric, std::uint16_t pressSet,
                             const std::string& shownInches);

} // namespace stormbell

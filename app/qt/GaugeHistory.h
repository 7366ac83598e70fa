// The gauge's side of the history: each decoded reading goes to the store on the history's
// thread, what became of it comes back for the tooltip, the shown station's last days are kept
// for a printout, and the history window follows the gauge and keeps its place in a setting.
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
#include "observation/ReadingKey.h"
#include "platform/Clock.h"

namespace stormbell {

class GaugeHistory final : public QObject {
    Q_OBJECT
public:
    /// The reading shown now: only its outcome is kept when one comes back.
    using ShownKey = std::function<std::optional<ReadingKey>()>;

    /// Keeps the history in `storeFile` (nothing: no data folder is known); `changed` runs on
    /// this thread whenever the outcome of the reading `shown` gives, or a failure of the
    /// history's thread, has come back; an outcome for any other reading is dropped. The history
    /// window is placed from `windowPlace` (as WindowPlaceText writes it; unusable: centred)
    /// and writes its place there as it moves. `clock` and `windowPlace` must outlive this.
    GaugeHistory(std::optional<std::filesystem::path> storeFile, const Clock& clock, ShownKey shown,
                 std::function<void()> changed, std::string& windowPlace,
                 QObject* parent = nullptr);
    /// Closes the history window, stops an import at its next batch and finishes the stores
    /// already handed over.
    ~GaugeHistory() override;

    /// Hands the reading of `reportLines` to the history's thread: stored when `keep`, its
    /// trend found. The outcome comes back with the reading's station and observation time.
    void Record(const std::vector<std::string>& reportLines, bool keep);
    /// The tooltip's lines about the shown reading's trend and storage, empty until its outcome
    /// has come back, and a failure of the history's thread.
    std::string Note() const;
    /// What became of the last shown reading, once it has come back.
    const RecordResult& LastResult() const { return last_; }
    /// The reading LastResult belongs to; nothing before the first.
    const std::optional<ReadingKey>& LastKey() const { return lastKey_; }
    /// How many readings have come back so far, dropped ones too.
    std::size_t Outcomes() const { return outcomes_; }
    /// How many alert claims have been answered so far.
    std::size_t Claims() const { return claims_; }
    /// Notes in the history that an alert is given for `reading`; `done` is told on this thread
    /// whether it is the first ever for that station and observation time (when the history
    /// cannot tell, it is, and the claim's Problem says why).
    void ClaimAlert(const ReadingKey& reading, std::function<void(const AlertClaim&)> done);
    /// Brings up the history window following `view`; `parent` shows it.
    void ShowWindow(const HistoryView& view, QWidget* parent);
    /// The window, once it was shown.
    HistoryWindow* Window() const { return window_; }
    /// The readings of `station` ("KBFI" or "KBFI.TXT") observed from `since` on, oldest first,
    /// out of the last kPrintedHistory as last read on the history's thread; empty when they
    /// were not read yet, could not be, or another station's were read last. Never waits.
    std::vector<HistoryReading> RecentReadings(const std::string& station,
                                               std::chrono::sys_seconds since) const;
    /// How many reads of the recent readings have come back.
    std::size_t RecentReads() const { return recentReads_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// Asks the history's thread for `station`'s last kPrintedHistory.
    void RefreshRecent(const std::string& station);
    /// Gives the new window its stored place, fitted on the screen it falls on.
    void PlaceWindow(QWidget* parent);

    const Clock& clock_;
    ShownKey shown_;
    std::function<void()> changed_;
    std::string& windowPlace_;
    std::string recentStation_;
    std::vector<HistoryReading> recent_;
    std::uint64_t askedRecent_ = 0; // the latest read: an older answer is not kept
    std::size_t recentReads_ = 0;
    RecordResult last_;
    std::optional<ReadingKey> lastKey_;
    std::string failure_;
    std::size_t outcomes_ = 0;
    std::size_t claims_ = 0;
    HistoryLink link_;
    QPointer<HistoryWindow> window_; // goes before the link it reads through
};

/// The history file in the user's data folder; nothing when no such folder is known.
std::optional<std::filesystem::path> DefaultHistoryFile();

/// What the history window follows: `station` (a report file name "KBFI.TXT" or an identifier),
/// the skin's units, and the reference hand at `pressSet` read on the side of the dial nearest
/// the shown pressure `shownInches`.
HistoryView GaugeHistoryView(const std::string& station, bool metric, std::uint16_t pressSet,
                             double shownInches);

} // namespace stormbell

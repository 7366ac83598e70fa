// The history window: a stored station's readings over the last day, three days, week, thirty
// days or year as graphs, with an import of a report log and an export of the shown span as CSV.
// Escape, Ctrl+W and its Close button close it.
#pragma once

#include <QWidget>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "history/HistoryReading.h"
#include "history/qt/HistoryChart.h"
#include "history/qt/HistoryLink.h"
#include "platform/Clock.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QPushButton;

namespace stormbell {

/// The spans the window offers, in hours.
inline constexpr int kHistorySpans[] = {24, 72, 168, 720, 8760};

/// What the gauge shows, which the window follows.
struct HistoryView {
    std::string Station; ///< "KBFI": the gauge's own, offered first
    bool Metric = false; ///< the metric skin is in use
    std::optional<double> ReferenceHpa;
};

class HistoryWindow final : public QWidget {
    Q_OBJECT
public:
    /// Reads the history through `history`; times come from `clock`. Both must outlive the
    /// window.
    HistoryWindow(HistoryLink& history, const Clock& clock, QWidget* parent = nullptr);
    /// Stops an import under way at its next batch.
    ~HistoryWindow() override;

    /// Follows `view` (its station chosen), asks for the store's stations and readings again and
    /// brings the window up.
    void ShowView(const HistoryView& view);
    /// Shows the last `hours` (one of kHistorySpans).
    void SetSpan(int hours);
    /// The span shown, in hours.
    int Span() const { return spanHours_; }
    /// Shows the readings of `station`, offered in the station choice whether stored or not.
    void ChooseStation(const std::string& station);
    /// The station whose readings are shown.
    const std::string& Station() const { return station_; }
    /// Asks for the shown span's readings again; Reloaded follows once they are drawn.
    void Reload();
    /// Writes the shown readings to `file` as CSV; false, told in the status line, when it cannot.
    bool ExportCsv(const QString& file);
    /// Imports the report log `file` on the history's thread; ImportFinished follows. Closing
    /// the window stops it at its next batch.
    void ImportLog(const QString& file);

    HistoryChart& Chart() { return *chart_; }
    /// The line under the graphs: how many readings, or what went wrong.
    QString StatusText() const;

signals:
    void ImportFinished();
    /// The readings asked for last have been drawn (or their failure told).
    void Reloaded();
    /// The station choice lists what the store held when last asked.
    void StationsListed();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void ChooseImport();
    void ChooseExport();
    void Ask();
    void AskStations();
    /// The gauge's station, the one shown, and the stations the history last said it holds.
    void ListStations();
    void Draw(const HistoryRead& read, const ChartFrame& frame);
    void Finished(const ImportOutcome& outcome);

    HistoryLink& history_;
    const Clock& clock_;
    std::uint64_t asked_ = 0; // the latest request: an older answer is not drawn
    std::uint64_t askedStations_ = 0;
    HistoryView view_;
    std::string station_;
    std::vector<std::string> stored_; // the stations the history last said it holds
    int spanHours_ = kHistorySpans[0];
    std::vector<HistoryReading> shown_;
    QComboBox* stations_;
    HistoryChart* chart_;
    QButtonGroup* spans_;
    QPushButton* import_;
    QPushButton* export_;
    QPushButton* close_;
    QLabel* status_;
    bool importing_ = false;
    bool holdStatus_ = false;
};

} // namespace stormbell

// The history window: the shown station's readings over the last day, three days, week or
// thirty days as graphs, with an import of a report log and an export of the shown span as CSV.
#pragma once

#include <QWidget>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "history/HistoryReading.h"
#include "history/qt/HistoryChart.h"
#include "platform/Clock.h"

class QButtonGroup;
class QLabel;
class QPushButton;

namespace stormbell {

/// The spans the window offers, in hours.
inline constexpr int kHistorySpans[] = {24, 72, 168, 720};

/// What the gauge shows, which the window follows.
struct HistoryView {
    std::string Station; ///< "KBFI"
    bool Metric = false; ///< the metric skin is in use
    std::optional<double> ReferenceHpa;
};

class HistoryWindow final : public QWidget {
    Q_OBJECT
public:
    /// Reads `storeFile` (nothing: no data folder is known); times come from `clock`, which
    /// must outlive the window.
    HistoryWindow(std::optional<std::filesystem::path> storeFile, const Clock& clock,
                  QWidget* parent = nullptr);
    /// Waits for an import under way.
    ~HistoryWindow() override;

    /// Follows `view`, reads the store again and brings the window up.
    void ShowView(const HistoryView& view);
    /// Shows the last `hours` (one of kHistorySpans).
    void SetSpan(int hours);
    /// Reads the shown span from the store again.
    void Reload();
    /// Writes the shown readings to `file` as CSV; false, told in the status line, when it cannot.
    bool ExportCsv(const QString& file);
    /// Imports the report log `file` on a thread of its own; ImportFinished follows.
    void ImportLog(const QString& file);

    HistoryChart& Chart() { return *chart_; }
    /// The line under the graphs: how many readings, or what went wrong.
    QString StatusText() const;

signals:
    void ImportFinished();

private:
    void ChooseImport();
    void ChooseExport();
    void Finished(const QString& message);

    std::optional<std::filesystem::path> storeFile_;
    const Clock& clock_;
    HistoryView view_;
    int spanHours_ = kHistorySpans[0];
    std::vector<HistoryReading> shown_;
    HistoryChart* chart_;
    QButtonGroup* spans_;
    QPushButton* import_;
    QPushButton* export_;
    QLabel* status_;
    std::thread importer_;
};

} // namespace stormbell

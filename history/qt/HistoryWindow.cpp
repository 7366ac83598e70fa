#include "history/qt/HistoryWindow.h"

#include <QButtonGroup>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <fstream>

#include "history/HistoryFormat.h"

namespace stormbell {

namespace fs = std::filesystem;

namespace {

QString SpanName(int hours) {
    return hours <= 24 ? QString("24 hours") : QString("%1 days").arg(hours / 24);
}

} // namespace

HistoryWindow::HistoryWindow(HistoryLink& history, const Clock& clock, QWidget* parent)
    : QWidget(parent, Qt::Window), history_(history), clock_(clock),
      chart_(new HistoryChart(clock, this)), spans_(new QButtonGroup(this)),
      import_(new QPushButton("Import log…", this)), export_(new QPushButton("Export CSV…", this)),
      status_(new QLabel(this)) {
    setObjectName("HistoryWindow");
    setWindowTitle("Stormbell history");
    auto* bar = new QHBoxLayout;
    for (const int hours : kHistorySpans) {
        auto* button = new QRadioButton(SpanName(hours), this);
        button->setChecked(hours == spanHours_);
        spans_->addButton(button, hours);
        bar->addWidget(button);
    }
    bar->addStretch();
    bar->addWidget(import_);
    bar->addWidget(export_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(chart_, 1);
    layout->addWidget(status_);
    connect(spans_, &QButtonGroup::idClicked, this, [this](int hours) { SetSpan(hours); });
    connect(import_, &QPushButton::clicked, this, [this] { ChooseImport(); });
    connect(export_, &QPushButton::clicked, this, [this] { ChooseExport(); });
}

HistoryWindow::~HistoryWindow() {
    if (importing_)
        history_.StopImport();
}

void HistoryWindow::hideEvent(QHideEvent* event) {
    if (importing_)
        history_.StopImport();
    QWidget::hideEvent(event);
}

void HistoryWindow::ShowView(const HistoryView& view) {
    view_ = view;
    Reload();
    show();
    raise();
    activateWindow();
}

void HistoryWindow::SetSpan(int hours) {
    spanHours_ = hours;
    if (auto* button = spans_->button(hours))
        button->setChecked(true);
    Reload();
}

void HistoryWindow::Reload() {
    holdStatus_ = false;
    Ask();
}

void HistoryWindow::Ask() {
    const auto to = clock_.Now();
    const ChartFrame frame{to - std::chrono::hours(spanHours_), to, view_.Metric,
                           view_.ReferenceHpa};
    const std::uint64_t asked = ++asked_;
    history_.Read({view_.Station, frame.From, frame.To}, this,
                  [this, asked, frame](const HistoryRead& read) {
                      if (asked == asked_)
                          Draw(read, frame);
                  });
}

void HistoryWindow::Draw(const HistoryRead& read, const ChartFrame& frame) {
    shown_ = read.Readings;
    QString status =
        read.Problem.empty()
            ? QString("%1: %2 %3 in the last %4")
                  .arg(QString::fromStdString(read.Query.Station.value_or("")))
                  .arg(shown_.size())
                  .arg(shown_.size() == 1 ? "reading" : "readings")
                  .arg(SpanName(static_cast<int>(
                      std::chrono::duration_cast<std::chrono::hours>(frame.To - frame.From)
                          .count())))
            : QString::fromStdString(read.Problem);
    if (!read.Notice.empty())
        status += "\n" + QString::fromStdString(read.Notice);
    // An import's progress or outcome stays shown until the user asks for something else.
    if (!importing_ && !holdStatus_)
        status_->setText(status);
    export_->setEnabled(!shown_.empty());
    chart_->Show(shown_, frame);
    emit Reloaded();
}

bool HistoryWindow::ExportCsv(const QString& file) {
    std::ofstream out(fs::path(file.toStdU16String()), std::ios::binary);
    out << HistoryCsvHeader();
    for (const auto& reading : shown_)
        out << HistoryCsvRow(reading);
    out.close();
    if (!out) {
        status_->setText("The readings could not be written to " + file);
        return false;
    }
    status_->setText(QString("%1 readings written to %2").arg(shown_.size()).arg(file));
    return true;
}

void HistoryWindow::ImportLog(const QString& file) {
    importing_ = true;
    import_->setEnabled(false);
    status_->setText("Importing " + file + "…");
    history_.Import(fs::path(file.toStdU16String()), clock_.Now(), this,
                    [this](const ImportOutcome& outcome) { Finished(outcome); });
}

void HistoryWindow::Finished(const ImportOutcome& outcome) {
    importing_ = false;
    holdStatus_ = true;
    import_->setEnabled(true);
    Ask();
    const QString log = QString::fromStdU16String(outcome.Log.u16string());
    const ImportCounts& counts = outcome.Counts;
    if (!outcome.Problem.empty())
        status_->setText("The import stopped: " + QString::fromStdString(outcome.Problem));
    else
        status_->setText(QString("%1: %2 added, %3 already stored, %4 damaged entries skipped%5")
                             .arg(log)
                             .arg(counts.Added)
                             .arg(counts.Duplicates)
                             .arg(counts.Skipped)
                             .arg(counts.Stopped ? "; stopped before the end" : ""));
    emit ImportFinished();
}

QString HistoryWindow::StatusText() const {
    return status_->text();
}

void HistoryWindow::ChooseImport() {
    const QString file = QFileDialog::getOpenFileName(this, "Import a report log", {},
                                                      "Report logs (*.LOG *.log);;All files (*)");
    if (!file.isEmpty())
        ImportLog(file);
}

void HistoryWindow::ChooseExport() {
    const QString file = QFileDialog::getSaveFileName(this, "Export the shown readings",
                                                      "history.csv", "CSV files (*.csv)");
    if (!file.isEmpty())
        ExportCsv(file);
}

} // namespace stormbell

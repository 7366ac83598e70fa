#include "history/qt/HistoryWindow.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>
#include <fstream>

#include "history/HistoryFormat.h"
#include "history/HistoryNote.h"
#include "platform/qt/QtWording.h"

namespace stormbell {

namespace fs = std::filesystem;

namespace {

struct SpanTexts {
    int Hours;
    const char* Caption; ///< the period choice's button
    const char* Phrase;  ///< the status line's "in the last …"
};

constexpr SpanTexts kSpanTexts[] = {
    {24, QT_TRANSLATE_NOOP("stormbell::HistoryWindow", "24 hours"),
     QT_TRANSLATE_NOOP("stormbell::HistoryWindow", "24 hours")},
    {72, QT_TRANSLATE_NOOP("stormbell::HistoryWindow", "3 days"),
     QT_TRANSLATE_NOOP("stormbell::HistoryWindow", "3 days")},
    {168, QT_TRANSLATE_NOOP("stormbell::HistoryWindow", "7 days"),
     QT_TRANSLATE_NOOP("stormbell::HistoryWindow", "7 days")},
    {720, QT_TRANSLATE_NOOP("stormbell::HistoryWindow", "30 days"),
     QT_TRANSLATE_NOOP("stormbell::HistoryWindow", "30 days")},
    {8760, QT_TRANSLATE_NOOP("stormbell::HistoryWindow", "1 year"),
     QT_TRANSLATE_NOOP("stormbell::HistoryWindow", "year")},
};

const SpanTexts& TextsOf(int hours) {
    const auto* found = std::find_if(std::begin(kSpanTexts), std::end(kSpanTexts),
                                     [hours](const SpanTexts& s) { return s.Hours >= hours; });
    return found != std::end(kSpanTexts) ? *found : kSpanTexts[std::size(kSpanTexts) - 1];
}

} // namespace

HistoryWindow::HistoryWindow(HistoryLink& history, const Clock& clock, QWidget* parent)
    : QWidget(parent, Qt::Window), history_(history), clock_(clock), stations_(new QComboBox(this)),
      chart_(new HistoryChart(clock, this)), spans_(new QButtonGroup(this)),
      import_(new QPushButton(tr("Import log…"), this)),
      export_(new QPushButton(tr("Export CSV…"), this)), close_(new QPushButton(tr("Close"), this)),
      status_(new QLabel(this)) {
    setObjectName("HistoryWindow");
    setWindowTitle(tr("Stormbell history"));
    stations_->setObjectName("stationChoice");
    stations_->setAccessibleName(tr("Station"));
    stations_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    import_->setObjectName("importLog");
    export_->setObjectName("exportCsv");
    close_->setObjectName("closeWindow");
    status_->setObjectName("historyStatus");
    status_->setWordWrap(true);

    auto* stationLabel = new QLabel(tr("&Station:"), this);
    stationLabel->setBuddy(stations_);
    // Two rows above the graphs keep the window narrow enough for a small screen.
    auto* bar = new QHBoxLayout;
    bar->addWidget(stationLabel);
    bar->addWidget(stations_);
    bar->addStretch();
    bar->addWidget(import_);
    bar->addWidget(export_);
    auto* periods = new QHBoxLayout;
    for (const SpanTexts& span : kSpanTexts) {
        auto* button = new QRadioButton(tr(span.Caption), this);
        button->setObjectName(QString("span%1Hours").arg(span.Hours));
        button->setChecked(span.Hours == spanHours_);
        spans_->addButton(button, span.Hours);
        periods->addWidget(button);
    }
    periods->addStretch();
    auto* foot = new QHBoxLayout;
    foot->addWidget(status_, 1);
    foot->addWidget(close_, 0, Qt::AlignBottom);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addLayout(periods);
    layout->addWidget(chart_, 1);
    layout->addLayout(foot);

    // Toggled, not clicked: a screen reader's toggle action and the arrow keys check a button
    // without clicking it.
    connect(spans_, &QButtonGroup::idToggled, this, [this](int hours, bool checked) {
        if (checked && hours != spanHours_)
            SetSpan(hours);
    });
    connect(stations_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            ChooseStation(stations_->itemText(index).toStdString());
    });
    connect(import_, &QPushButton::clicked, this, [this] { ChooseImport(); });
    connect(export_, &QPushButton::clicked, this, [this] { ChooseExport(); });
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    // Two shortcuts on one key would be ambiguous and neither would fire: each key once.
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);
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
    station_ = view.Station;
    ListStations();
    AskStations();
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

void HistoryWindow::ChooseStation(const std::string& station) {
    if (station == station_)
        return;
    station_ = station;
    if (stations_->findText(QString::fromStdString(station)) < 0)
        ListStations();
    stations_->setCurrentText(QString::fromStdString(station));
    Reload();
}

void HistoryWindow::Reload() {
    holdStatus_ = false;
    Ask();
}

void HistoryWindow::AskStations() {
    const std::uint64_t asked = ++askedStations_;
    history_.Stations(this, [this, asked](const HistoryStations& held) {
        if (asked != askedStations_)
            return;
        stored_ = held.Stations;
        ListStations();
        emit StationsListed();
    });
}

// The gauge's own station first, then the stored ones in order; the one shown stays chosen.
void HistoryWindow::ListStations() {
    std::vector<std::string> listed{view_.Station};
    if (station_ != view_.Station)
        listed.push_back(station_);
    for (const auto& station : stored_)
        if (std::find(listed.begin(), listed.end(), station) == listed.end())
            listed.push_back(station);
    std::sort(listed.begin() + 1, listed.end());
    const QSignalBlocker quiet(stations_);
    stations_->clear();
    for (const auto& station : listed)
        stations_->addItem(QString::fromStdString(station));
    stations_->setCurrentText(QString::fromStdString(station_));
}

void HistoryWindow::Ask() {
    const auto to = clock_.Now();
    const ChartFrame frame{to - std::chrono::hours(spanHours_), to, view_.Metric,
                           view_.ReferenceHpa};
    const std::uint64_t asked = ++asked_;
    // The reference hand belongs to the gauge's station; another's curves go without it.
    ChartFrame drawn = frame;
    if (station_ != view_.Station)
        drawn.ReferenceHpa.reset();
    history_.Read({station_, frame.From, frame.To}, this,
                  [this, asked, drawn](const HistoryRead& read) {
                      if (asked == asked_)
                          Draw(read, drawn);
                  });
}

void HistoryWindow::Draw(const HistoryRead& read, const ChartFrame& frame) {
    shown_ = read.Readings;
    const int hours = static_cast<int>(
        std::chrono::duration_cast<std::chrono::hours>(frame.To - frame.From).count());
    QString status = read.Problem.empty()
                         ? (shown_.size() == 1 ? tr("%1: %2 reading in the last %3")
                                               : tr("%1: %2 readings in the last %3"))
                               .arg(QString::fromStdString(read.Query.Station.value_or("")))
                               .arg(shown_.size())
                               .arg(tr(TextsOf(hours).Phrase))
                         : QString::fromStdString(HistoryProblem(read.Problem, QtWording()));
    if (read.Aside)
        status += "\n" + QString::fromStdString(AsideNotice(*read.Aside, QtWording()));
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
        status_->setText(tr("The readings could not be written to %1").arg(file));
        return false;
    }
    status_->setText(tr("%1 readings written to %2").arg(shown_.size()).arg(file));
    return true;
}

void HistoryWindow::ImportLog(const QString& file) {
    importing_ = true;
    import_->setEnabled(false);
    status_->setText(tr("Importing %1…").arg(file));
    history_.Import(fs::path(file.toStdU16String()), clock_.Now(), this,
                    [this](const ImportOutcome& outcome) { Finished(outcome); });
}

void HistoryWindow::Finished(const ImportOutcome& outcome) {
    importing_ = false;
    holdStatus_ = true;
    import_->setEnabled(true);
    // The log may have brought stations the choice does not offer yet.
    AskStations();
    Ask();
    const QString log = QString::fromStdU16String(outcome.Log.u16string());
    const ImportCounts& counts = outcome.Counts;
    if (!outcome.Problem.empty())
        status_->setText(
            tr("The import stopped: %1")
                .arg(QString::fromStdString(
                    outcome.Aside ? ImportSetAsideText(outcome.Problem, *outcome.Aside, QtWording())
                                  : HistoryProblem(outcome.Problem, QtWording()))));
    else
        status_->setText((counts.Stopped
                              ? tr("%1: %2 added, %3 already stored, %4 damaged entries skipped; "
                                   "stopped before the end")
                              : tr("%1: %2 added, %3 already stored, %4 damaged entries skipped"))
                             .arg(log)
                             .arg(counts.Added)
                             .arg(counts.Duplicates)
                             .arg(counts.Skipped));
    emit ImportFinished();
}

QString HistoryWindow::StatusText() const {
    return status_->text();
}

void HistoryWindow::ChooseImport() {
    const QString file = QFileDialog::getOpenFileName(
        this, tr("Import a report log"), {}, tr("Report logs (*.LOG *.log);;All files (*)"));
    if (!file.isEmpty())
        ImportLog(file);
}

void HistoryWindow::ChooseExport() {
    const QString file = QFileDialog::getSaveFileName(this, tr("Export the shown readings"),
                                                      "history.csv", tr("CSV files (*.csv)"));
    if (!file.isEmpty())
        ExportCsv(file);
}

} // namespace stormbell

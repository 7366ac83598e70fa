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
#include "history/HistoryStore.h"
#include "history/LogImport.h"

namespace stormbell {

namespace fs = std::filesystem;

namespace {

constexpr const char* kNoFolder = QT_TRANSLATE_NOOP(
    "stormbell::HistoryWindow", "No data folder is known: the history is not kept");

QString SpanName(int hours) {
    return hours <= 24 ? HistoryWindow::tr("24 hours")
                       : HistoryWindow::tr("%1 days").arg(hours / 24);
}

} // namespace

HistoryWindow::HistoryWindow(std::optional<fs::path> storeFile, const Clock& clock, QWidget* parent)
    : QWidget(parent, Qt::Window), storeFile_(std::move(storeFile)), clock_(clock),
      chart_(new HistoryChart(clock, this)), spans_(new QButtonGroup(this)),
      import_(new QPushButton(tr("Import log…"), this)),
      export_(new QPushButton(tr("Export CSV…"), this)), status_(new QLabel(this)) {
    setObjectName("HistoryWindow");
    setWindowTitle(tr("Stormbell history"));
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
    if (importer_.joinable())
        importer_.join();
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
    const auto to = clock_.Now();
    const ChartFrame frame{to - std::chrono::hours(spanHours_), to, view_.Metric,
                           view_.ReferenceHpa};
    shown_.clear();
    QString status;
    try {
        if (!storeFile_)
            throw EHistoryError(tr(kNoFolder).toStdString(), false);
        // Reading creates nothing: a missing store holds nothing yet.
        std::error_code ignored;
        if (fs::exists(*storeFile_, ignored)) {
            // The gauge sets a damaged store aside; the window only reads.
            const HistoryStore store(*storeFile_, WhenDamaged::Refuse);
            shown_ = store.Readings({view_.Station, frame.From, frame.To});
        }
        status = (shown_.size() == 1 ? tr("%1: %2 reading in the last %3")
                                     : tr("%1: %2 readings in the last %3"))
                     .arg(QString::fromStdString(view_.Station))
                     .arg(shown_.size())
                     .arg(SpanName(spanHours_));
    } catch (const std::exception& error) {
        status = QString::fromStdString(error.what());
    }
    status_->setText(status);
    export_->setEnabled(!shown_.empty());
    chart_->Show(shown_, frame);
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
    if (importer_.joinable())
        importer_.join();
    import_->setEnabled(false);
    status_->setText(tr("Importing %1…").arg(file));
    const auto received = clock_.Now();
    importer_ = std::thread([this, file, received, store = storeFile_] {
        QString message;
        try {
            if (!store)
                throw EHistoryError(tr(kNoFolder).toStdString(), false);
            std::ifstream log(fs::path(file.toStdU16String()), std::ios::binary);
            if (!log)
                throw std::runtime_error(tr("cannot read %1").arg(file).toStdString());
            HistoryStore history(*store);
            const ImportCounts counts = stormbell::ImportLog(log, history, received);
            message = tr("%1: %2 added, %3 already stored, %4 damaged entries skipped")
                          .arg(file)
                          .arg(counts.Added)
                          .arg(counts.Duplicates)
                          .arg(counts.Skipped);
        } catch (const std::exception& error) {
            message = tr("The import stopped: %1").arg(QString::fromStdString(error.what()));
        }
        QMetaObject::invokeMethod(
            this, [this, message] { Finished(message); }, Qt::QueuedConnection);
    });
}

void HistoryWindow::Finished(const QString& message) {
    Reload();
    import_->setEnabled(true);
    status_->setText(message);
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

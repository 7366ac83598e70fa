#include "history/qt/HistoryLink.h"

#include <fstream>
#include <utility>

namespace stormbell {

HistoryLink::HistoryLink(std::optional<std::filesystem::path> file, QObject* parent)
    : QObject(parent), file_(file), recorder_(std::move(file), ending_.get_token()),
      worker_([this](const std::string& what) {
          QMetaObject::invokeMethod(
              this, [this, text = QString::fromStdString(what)] { emit Failed(text); },
              Qt::QueuedConnection);
      }) {}

HistoryLink::~HistoryLink() {
    ending_.request_stop();
    importStop_.request_stop();
}

template <typename Answer>
void HistoryLink::Reply(const QPointer<QObject>& receiver,
                        const std::function<void(const Answer&)>& done, Answer answer) {
    // Queued to this object, which outlives the worker; the receiver is looked at only here, on
    // its own thread.
    QMetaObject::invokeMethod(
        this,
        [receiver, done, answer = std::move(answer)] {
            if (receiver && done)
                done(answer);
        },
        Qt::QueuedConnection);
}

void HistoryLink::Record(const std::vector<std::string>& reportLines,
                         std::chrono::sys_seconds received, bool keep, QObject* receiver,
                         std::function<void(const RecordResult&)> done) {
    worker_.Post(
        [this, reportLines, received, keep, receiver = QPointer(receiver), done = std::move(done)] {
            Reply(receiver, done, recorder_.Record(reportLines, received, keep));
        });
}

void HistoryLink::Read(const HistoryQuery& query, QObject* receiver,
                       std::function<void(const HistoryRead&)> done) {
    worker_.Post([this, query, receiver = QPointer(receiver), done = std::move(done)] {
        Reply(receiver, done, recorder_.Read(query));
    });
}

void HistoryLink::Stations(QObject* receiver, std::function<void(const HistoryStations&)> done) {
    worker_.Post([this, receiver = QPointer(receiver), done = std::move(done)] {
        Reply(receiver, done, recorder_.Stations());
    });
}

void HistoryLink::Import(const std::filesystem::path& log, std::chrono::sys_seconds received,
                         QObject* receiver, std::function<void(const ImportOutcome&)> done) {
    importStop_ = std::stop_source();
    worker_.Post([this, log, received, stop = importStop_.get_token(),
                  receiver = QPointer(receiver), done = std::move(done)] {
        ImportOutcome outcome{log, {}, {}, {}};
        const QString shownLog = QString::fromStdU16String(log.u16string());
        try {
            std::ifstream in(log, std::ios::binary);
            if (!in)
                throw std::runtime_error(tr("cannot read %1").arg(shownLog).toStdString());
            outcome.Counts = recorder_.Import(in, received, stop);
            if (in.bad())
                throw std::runtime_error(
                    (outcome.Counts.Added == 1
                         ? tr("reading %1 failed part-way; %2 reading was stored before")
                         : tr("reading %1 failed part-way; %2 readings were stored before"))
                        .arg(shownLog)
                        .arg(outcome.Counts.Added)
                        .toStdString());
        } catch (const EImportSetAside& failure) {
            outcome.Problem = failure.Cause();
            outcome.Aside = failure.Aside();
        } catch (const std::exception& failure) {
            outcome.Problem = failure.what();
        }
        Reply(receiver, done, std::move(outcome));
    });
}

void HistoryLink::StopImport() {
    importStop_.request_stop();
}

void HistoryLink::ClaimAlert(const ReadingKey& reading, QObject* receiver,
                             std::function<void(const AlertClaim&)> done) {
    worker_.Post([this, reading, receiver = QPointer(receiver), done = std::move(done)] {
        Reply(receiver, done, recorder_.ClaimAlert(reading));
    });
}

} // namespace stormbell

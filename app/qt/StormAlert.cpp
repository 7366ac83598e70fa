#include "app/qt/StormAlert.h"

#include "app/qt/DesktopNotifier.h"
#include "history/HistoryNote.h"
#include "platform/qt/QtWording.h"

#include <QCoreApplication>

#include <utility>

namespace stormbell {

StormAlert::StormAlert(SettingsStore& store, ShownReading& shown, const Clock& clock,
                       QObject& parent, ClaimFirst claim, std::function<void()> told)
    : bell_(store), shown_(shown), clock_(clock), notifier_(new DesktopNotifier(&parent)),
      claim_(std::move(claim)), told_(std::move(told)) {}

void StormAlert::Decide(bool enabled, const std::optional<PressureTrend>& trend) {
    // Only the history's trend stands in: the report's own tendency is read from the report.
    const StormCall call = bell_.Decide(shown_.Context(), enabled, clock_,
                                        trend && trend->Source == TrendSource::History
                                            ? std::optional<double>(trend->ChangeHpa)
                                            : std::nullopt,
                                        QtWording());
    if (!call.Problem.empty())
        shown_.RecordAlertFailure(call.Problem);
    const auto key = shown_.Key();
    if (!call.Ring || !key)
        return;
    // The history remembers every alert given, by any gauge and across restarts: it has the
    // last word on whether this one is news.
    claim_(*key, [this, call, key](const AlertClaim& claim) {
        if (!claim.Problem.empty() && shown_.Key() == key) {
            shown_.RecordAlertFailure(
                QCoreApplication::translate("StormAlert",
                                            "the history could not note this alert: %1")
                    .arg(QString::fromStdString(HistoryProblem(claim.Problem, QtWording())))
                    .toStdString());
            told_();
        }
        if (claim.First)
            Notify(call, key);
    });
}

void StormAlert::Notify(const StormCall& call, const std::optional<ReadingKey>& key) {
    // A failure arriving after a newer report belongs to the older one's alert.
    notifier_->Notify(QString::fromStdString(call.Title), QString::fromStdString(call.Body),
                      [this, key](const QString& reason) {
                          if (shown_.Key() != key)
                              return;
                          shown_.RecordAlertFailure(reason.toStdString());
                          told_();
                      });
}

} // namespace stormbell

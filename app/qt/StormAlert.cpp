#include "app/qt/StormAlert.h"

#include "app/qt/DesktopNotifier.h"

#include <utility>

namespace stormbell {

StormAlert::StormAlert(SettingsStore& store, ShownReading& shown, const Clock& clock,
                       QObject& parent, std::function<void()> told)
    : bell_(store), shown_(shown), clock_(clock), notifier_(new DesktopNotifier(&parent)),
      told_(std::move(told)) {}

void StormAlert::Decide(bool enabled, const std::optional<PressureTrend>& trend) {
    // Only the history's trend stands in: the report's own tendency is read from the report.
    const StormCall call = bell_.Decide(shown_.Context(), enabled, clock_,
                                        trend && trend->Source == TrendSource::History
                                            ? std::optional<double>(trend->ChangeHpa)
                                            : std::nullopt);
    if (!call.Problem.empty())
        shown_.RecordAlertFailure(call.Problem);
    if (!call.Ring)
        return;
    // A failure arriving after a newer report belongs to the older one's alert.
    notifier_->Notify(QString::fromStdString(call.Title), QString::fromStdString(call.Body),
                      [this, key = shown_.Key()](const QString& reason) {
                          if (shown_.Key() != key)
                              return;
                          shown_.RecordAlertFailure(reason.toStdString());
                          told_();
                      });
}

} // namespace stormbell

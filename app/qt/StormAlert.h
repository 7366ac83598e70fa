// The storm bell in the window: decides on the shown reading with that reading's own trend and
// sends the notification; a notification that fails is told on the reading it was for.
#pragma once

#include <QObject>

#include <functional>
#include <optional>

#include "app/ShownReading.h"
#include "app/StormBell.h"
#include "history/HistoryRecorder.h"
#include "history/PressureTrend.h"

namespace stormbell {

class DesktopNotifier;

class StormAlert final {
public:
    /// Asks the history whether an alert for a reading is the first ever, answering `done` later.
    using ClaimFirst =
        std::function<void(const ReadingKey&, std::function<void(const AlertClaim&)> done)>;

    /// Rings for `shown` with `clock`'s time, remembering decisions in `store` and, through
    /// `claim`, in the history; `told` runs when a failure was recorded on the reading. All must
    /// outlive this; the notifier is a child of `parent`.
    StormAlert(SettingsStore& store, ShownReading& shown, const Clock& clock, QObject& parent,
               ClaimFirst claim, std::function<void()> told);

    /// Once the shown reading's `trend` is back: its call, and the notification when it rings
    /// and alerts are `enabled` and the history has given none for the reading before. A decision
    /// that cannot be kept is recorded on the reading.
    void Decide(bool enabled, const std::optional<PressureTrend>& trend);

private:
    /// The notification of `call` for the reading `key`; a failure is told on that reading only.
    void Notify(const StormCall& call, const std::optional<ReadingKey>& key);

    StormBell bell_;
    ShownReading& shown_;
    const Clock& clock_;
    DesktopNotifier* notifier_;
    ClaimFirst claim_;
    std::function<void()> told_;
};

} // namespace stormbell

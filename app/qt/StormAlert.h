// The storm bell in the window: decides on the shown reading with that reading's own trend and
// sends the notification; a notification that fails is told on the reading it was for.
#pragma once

#include <QObject>

#include <functional>
#include <optional>

#include "app/ShownReading.h"
#include "app/StormBell.h"
#include "history/PressureTrend.h"

namespace stormbell {

class DesktopNotifier;

class StormAlert final {
public:
    /// Rings for `shown` with `clock`'s time, remembering decisions in `store`; `told` runs
    /// when a failed notification was recorded on the reading. All must outlive this; the
    /// notifier is a child of `parent`.
    StormAlert(SettingsStore& store, ShownReading& shown, const Clock& clock, QObject& parent,
               std::function<void()> told);

    /// Once the shown reading's `trend` is back: its call, and the notification when it rings
    /// and alerts are `enabled`. A decision that cannot be kept is recorded on the reading.
    void Decide(bool enabled, const std::optional<PressureTrend>& trend);

private:
    StormBell bell_;
    ShownReading& shown_;
    const Clock& clock_;
    DesktopNotifier* notifier_;
    std::function<void()> told_;
};

} // namespace stormbell

// Waits on the event loop for a condition, long enough for a loaded machine: the wait ends as
// soon as the condition holds, so only a failing test pays for the patience.
#pragma once

#include <QTest>

namespace stormbell::testing {

inline constexpr int kPatienceMs = 30000;

template <typename Condition> bool WaitUntil(Condition condition) {
    return QTest::qWaitFor(condition, kPatienceMs);
}

} // namespace stormbell::testing

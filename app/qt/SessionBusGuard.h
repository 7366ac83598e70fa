// Keeps the start from waiting on a session bus that accepts and never answers: the toolkit's
// accessibility bridge and the notifier would block the window on it without a bound.
#pragma once

#include <chrono>
#include <string>

namespace stormbell {

/// How long the bus has to answer before the gauge starts without it.
inline constexpr std::chrono::milliseconds kBusAnswerLimit{1000};

/// Before the toolkit starts: probes the session bus this process would use. When it does not
/// answer within `limit`, the process's bus address is pointed at nothing, so that every later
/// D-Bus call fails at once, and SessionBusSkipped() says so until the next guard. A bus that
/// answers, or none at all, is left as it is. Never throws.
void GuardSessionBus(std::chrono::milliseconds limit = kBusAnswerLimit);

/// True when GuardSessionBus found the bus silent and started without it.
bool SessionBusSkipped();

/// The tooltip's line telling that the gauge started without the bus, in the user's language.
std::string SessionBusNote();

} // namespace stormbell

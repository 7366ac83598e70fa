// The private signal that unwinds a running cycle when the window closes or the program ends.
#pragma once

namespace stormbell {

/// Thrown by the pause and the runner once the cycle is being aborted; the window's handler
/// boundary swallows it. Deliberately no std::exception, so no error handler takes it for one.
struct CycleAborted {};

} // namespace stormbell

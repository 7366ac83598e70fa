// The waits a running cycle sits in (the sweep's pause, the client's runner), which a closing
// window must be able to cut short.
#pragma once

#include "platform/BlockingRunner.h"

namespace stormbell {

class CycleWait {
public:
    virtual ~CycleWait() = default;
    /// Ends a wait under way at once; every later wait fails at once too, until Reset.
    virtual void Abort() = 0;
    /// Forgets an abort, for a cycle after one that was aborted without the program ending.
    virtual void Reset() = 0;
};

/// A runner whose operation a closing window can cut short.
class AbortableRunner : public BlockingRunner, public CycleWait {};

} // namespace stormbell

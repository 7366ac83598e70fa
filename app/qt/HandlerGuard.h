// Keeps every exception out of Qt's event loop: a handler's error is shown as a message, or
// dropped while the window is ending and nobody waits for it.
#pragma once

#include <functional>

namespace stormbell {

class MessageSink;

class HandlerGuard {
public:
    /// Shows errors through `messages`, which must outlive this, unless `ending` says true.
    HandlerGuard(MessageSink& messages, std::function<bool()> ending);

    /// Runs `handler`; never throws. An ended cycle's abort is no error and shows nothing.
    void operator()(const std::function<void()>& handler) const;

private:
    MessageSink& messages_;
    std::function<bool()> ending_;
};

} // namespace stormbell

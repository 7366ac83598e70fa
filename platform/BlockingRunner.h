// Runs one blocking client operation: at once in tests and the cli; on another thread while the
// window keeps processing events.
#pragma once

#include <functional>

namespace stormbell {

class BlockingRunner {
public:
    virtual ~BlockingRunner() = default;
    /// Rethrows what the operation threw.
    virtual void Run(const std::function<void()>& operation) = 0;
};

/// Runs the operation on the calling thread.
class DirectRunner final : public BlockingRunner {
public:
    void Run(const std::function<void()>& operation) override { operation(); }
};

/// One DirectRunner for the whole program; it holds no state, so any thread may share it.
inline DirectRunner& SharedDirectRunner() {
    static DirectRunner runner;
    return runner;
}

} // namespace stormbell

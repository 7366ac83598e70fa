// One thread that does the history's work in the order it was asked for, so that no write
// waits on the window's thread.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace stormbell {

class HistoryWorker {
public:
    HistoryWorker();
    /// Finishes the jobs already posted (each bounded by the store's busy wait), then ends.
    ~HistoryWorker();
    HistoryWorker(const HistoryWorker&) = delete;
    HistoryWorker& operator=(const HistoryWorker&) = delete;

    /// Runs `job` on the worker's thread after the ones posted before it. A job must not throw.
    void Post(std::function<void()> job);

private:
    void Work();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> jobs_;
    bool ending_ = false;
    std::thread thread_;
};

} // namespace stormbell

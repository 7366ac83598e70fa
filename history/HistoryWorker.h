// One thread that does the history's work in the order it was asked for, so that no write or
// read waits on the window's thread.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

namespace stormbell {

class HistoryWorker {
public:
    /// `failed` is told, on the worker's thread, of an exception that escaped a job; the
    /// worker goes on with the next one.
    explicit HistoryWorker(std::function<void(const std::string& what)> failed = {});
    /// Finishes the jobs already posted, then ends.
    ~HistoryWorker();
    HistoryWorker(const HistoryWorker&) = delete;
    HistoryWorker& operator=(const HistoryWorker&) = delete;

    /// Runs `job` on the worker's thread after the ones posted before it.
    void Post(std::function<void()> job);

private:
    void Work();
    void Run(const std::function<void()>& job) const;

    std::function<void(const std::string&)> failed_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> jobs_;
    bool ending_ = false;
    std::thread thread_;
};

} // namespace stormbell

#include "history/HistoryWorker.h"

#include <exception>
#include <utility>

namespace stormbell {

HistoryWorker::HistoryWorker(std::function<void(const std::string&)> failed)
    : failed_(std::move(failed)), thread_([this] { Work(); }) {}

HistoryWorker::~HistoryWorker() {
    {
        std::lock_guard lock(mutex_);
        ending_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void HistoryWorker::Post(std::function<void()> job) {
    {
        std::lock_guard lock(mutex_);
        jobs_.push_back(std::move(job));
    }
    wake_.notify_one();
}

void HistoryWorker::Run(const std::function<void()>& job) const {
    // An exception leaving a thread's function ends the program: none may.
    std::string what;
    try {
        job();
        return;
    } catch (const std::exception& failure) {
        what = failure.what();
    } catch (...) {
        what = "an unexpected failure without a description";
    }
    if (failed_) {
        try {
            failed_("The history's work failed: " + what);
        } catch (...) {
            // Nothing is left to tell it to.
        }
    }
}

void HistoryWorker::Work() {
    for (;;) {
        std::function<void()> job;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return ending_ || !jobs_.empty(); });
            if (jobs_.empty())
                return;
            job = std::move(jobs_.front());
            jobs_.pop_front();
        }
        Run(job);
    }
}

} // namespace stormbell

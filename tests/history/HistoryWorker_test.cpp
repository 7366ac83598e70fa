#include "history/HistoryWorker.h"

#include <gtest/gtest.h>

#include <mutex>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

namespace stormbell {
namespace {

TEST(HistoryWorkerTest, AFailingJobIsToldAndTheNextOneStillRuns) {
    struct Case {
        const char* what;
        std::function<void()> job;
        const char* told;
    };
    const Case cases[] = {
        {"a runtime error", [] { throw std::runtime_error("disk on fire"); },
         "The history's work failed: disk on fire"},
        {"no memory", [] { throw std::bad_alloc(); }, "The history's work failed: std::bad_alloc"},
        {"not an exception", [] { throw 42; },
         "The history's work failed: an unexpected failure without a description"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::mutex mutex;
        std::vector<std::string> told;
        bool ranAfter = false;
        {
            HistoryWorker worker([&](const std::string& what) {
                std::lock_guard lock(mutex);
                told.push_back(what);
            });
            worker.Post(c.job);
            worker.Post([&] { ranAfter = true; });
        }
        EXPECT_EQ(told, std::vector<std::string>{c.told});
        EXPECT_TRUE(ranAfter);
    }
}

} // namespace
} // namespace stormbell

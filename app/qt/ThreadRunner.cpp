#include "app/qt/ThreadRunner.h"

#include "app/qt/CycleAborted.h"

#include <QEventLoop>

#include <exception>
#include <thread>

namespace stormbell {

void ThreadRunner::Run(const std::function<void()>& operation) {
    if (aborted_)
        throw CycleAborted{};
    std::exception_ptr failure;
    QEventLoop loop;
    std::thread worker([&] {
        try {
            operation();
        } catch (...) {
            failure = std::current_exception();
        }
        // Queued: the loop belongs to this thread, and quitting it from the worker is not safe.
        QMetaObject::invokeMethod(
            &loop, [&loop] { loop.quit(); }, Qt::QueuedConnection);
    });
    loop.exec();
    // The loop also ends when the whole application is told to exit; the operation is bounded
    // by the client's time-outs, so waiting for it here cannot hang.
    worker.join();
    if (aborted_)
        throw CycleAborted{};
    if (failure)
        std::rethrow_exception(failure);
}

} // namespace stormbell

#include "app/qt/EventLoopPause.h"

#include "app/qt/CycleAborted.h"

#include <QEventLoop>
#include <QTimer>

namespace stormbell {

void EventLoopPause::Sleep(int milliseconds) {
    if (aborted_)
        throw CycleAborted{};
    QEventLoop loop;
    QTimer timer;
    // A coarse timer may fire up to 5 % late; the sweep's rhythm wants the stated pause.
    timer.setTimerType(Qt::PreciseTimer);
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(milliseconds);
    loop_ = &loop;
    loop.exec();
    loop_ = nullptr;
    if (aborted_)
        throw CycleAborted{};
}

void EventLoopPause::Abort() {
    aborted_ = true;
    if (loop_ != nullptr)
        loop_->quit();
}

} // namespace stormbell

#include "app/qt/UpdateSchedule.h"

#include <QTimer>

namespace stormbell {

namespace {

constexpr int kAgeTickMs = 60000;
// Long enough to let a user pick a few rows in a row, short enough to feel at once.
constexpr int kStationFetchDelayMs = 1000;

QTimer* Timer(QObject& parent, const char* name, std::function<void()> call) {
    auto* timer = new QTimer(&parent);
    timer->setObjectName(name);
    QObject::connect(timer, &QTimer::timeout, &parent, std::move(call));
    return timer;
}

} // namespace

UpdateSchedule::UpdateSchedule(QObject& parent, Calls calls)
    : QObject(&parent), updateTimer_(Timer(*this, "updateTimer", std::move(calls.Update))),
      stationFetchDelay_(Timer(*this, "stationFetchDelay", std::move(calls.StationChosen))),
      ageTimer_(Timer(*this, "ageTimer", std::move(calls.AgeTick))) {
    stationFetchDelay_->setSingleShot(true);
    stationFetchDelay_->setInterval(kStationFetchDelayMs);
}

void UpdateSchedule::SetInterval(int milliseconds) {
    if (updateTimer_->isActive() && updateTimer_->interval() == milliseconds)
        return;
    updateTimer_->start(milliseconds);
}

void UpdateSchedule::RestartInterval() {
    updateTimer_->start();
}

void UpdateSchedule::StationChosen() {
    stationFetchDelay_->start();
}

void UpdateSchedule::StartAgeTicks() {
    ageTimer_->start(kAgeTickMs);
}

} // namespace stormbell

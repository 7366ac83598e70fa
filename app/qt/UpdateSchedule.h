// The gauge's clocks: the update timer's cycles, the short wait after a station is chosen before
// it is fetched, and the minute's tick that lets the station line tell a reading's age.
#pragma once

#include <QObject>

#include <functional>

class QTimer;

namespace stormbell {

class UpdateSchedule final : public QObject {
public:
    /// What each clock asks for when it runs out.
    struct Calls {
        std::function<void()> Update;        ///< the update timer's cycle
        std::function<void()> StationChosen; ///< the wait after a station was chosen is over
        std::function<void()> AgeTick;       ///< a minute has passed since the last tick
    };

    /// The clocks of `parent`, whose child this is; none runs until started.
    UpdateSchedule(QObject& parent, Calls calls);

    /// Runs the update timer every `milliseconds`; a timer that already runs with that interval
    /// goes on undisturbed. Never throws.
    void SetInterval(int milliseconds);
    /// Starts the update timer's interval again from now. Never throws.
    void RestartInterval();
    /// Waits for a moment before StationChosen; a station chosen meanwhile starts the wait again.
    void StationChosen();
    /// Starts the minute's tick. Never throws.
    void StartAgeTicks();

private:
    QTimer* updateTimer_;
    QTimer* stationFetchDelay_;
    QTimer* ageTimer_;
};

} // namespace stormbell

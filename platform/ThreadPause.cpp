#include "platform/Pause.h"

#include <chrono>
#include <thread>

namespace stormbell {

void ThreadPause::Sleep(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

ThreadPause& SharedThreadPause() {
    static ThreadPause pause;
    return pause;
}

} // namespace stormbell

#include "Clock.h"

#include <thread>

Millis SteadyClock::Now() const {
    return std::chrono::duration_cast<Millis>(std::chrono::steady_clock::now().time_since_epoch());
}

void SteadyClock::Sleep(Millis duration) {
    std::this_thread::sleep_for(duration);
}

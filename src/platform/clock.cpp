#include "platform/clock.h"

#include <SDL.h>

#include <chrono>
#include <thread>

namespace kv {

// SDL_GetTicks64 steps unevenly on some systems; the performance counter does not.
RealClock::RealClock()
    : start_(SDL_GetPerformanceCounter()), frequency_(SDL_GetPerformanceFrequency()) {}

Millis RealClock::ticks() const {
    const std::uint64_t elapsed = SDL_GetPerformanceCounter() - start_;
    // Split to keep the multiplication from overflowing on long runs.
    return static_cast<Millis>(elapsed / frequency_ * 1000 + elapsed % frequency_ * 1000 / frequency_);
}

void RealClock::waitUntil(Millis due) {
    // Sleep until about a millisecond before the due tick, then spin the remainder so the
    // frame starts on the tick itself without keeping the processor busy in between.
    for (;;) {
        const Millis left = due - ticks();
        if (left <= 0) return;
        if (left > 2) {
            std::this_thread::sleep_for(std::chrono::microseconds((left - 1) * 1000 - 300));
        } else {
            std::this_thread::yield();
        }
    }
}

}  // namespace kv

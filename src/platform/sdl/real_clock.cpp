#include "platform/sdl/real_clock.h"

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <thread>

namespace kv {

// SDL_GetTicks64 steps unevenly on some systems; the performance counter does not.
RealClock::RealClock()
    : start_(SDL_GetPerformanceCounter()), frequency_(SDL_GetPerformanceFrequency()) {}

Millis RealClock::ticks() const {
    const std::uint64_t elapsed = SDL_GetPerformanceCounter() - start_;
    // Split to keep the multiplication from overflowing on long runs.
    return static_cast<Millis>(elapsed / frequency_ * 1000 +
                               elapsed % frequency_ * 1000 / frequency_);
}

std::uint64_t RealClock::counterAt(Millis t) const {
    const auto ms = static_cast<std::uint64_t>(t);
    return start_ + ms / 1000 * frequency_ + ms % 1000 * frequency_ / 1000;
}

void RealClock::waitUntil(Millis due) {
    // Sleep until shortly before the counter reaches the due tick, then spin the remainder, so
    // the frame starts on the tick itself without keeping the processor busy in between.
    if (ticks() >= due) return;
    if (onInput) {
        // Events first, in slices, up to a couple of milliseconds before the tick: an event
        // wait may overshoot by about one.
        for (Millis left = due - ticks(); left > 2; left = due - ticks()) {
            const int slice = static_cast<int>(std::min<Millis>(left - 2, 100));
            if (SDL_WaitEventTimeout(nullptr, slice) == 1) onInput();
        }
    }
    const std::uint64_t target = counterAt(due);
    // A quarter millisecond: more than a sleep usually overshoots, and waking a little late
    // still reads the due tick.
    const std::uint64_t margin = frequency_ / 4000;
    for (;;) {
        const std::uint64_t now = SDL_GetPerformanceCounter();
        if (now >= target) break;
        const std::uint64_t left = target - now;
        if (left > margin) {
            std::this_thread::sleep_for(
                std::chrono::nanoseconds((left - margin) * 1000000000ull / frequency_));
        }
    }
    while (ticks() < due) {
    }
}

}  // namespace kv

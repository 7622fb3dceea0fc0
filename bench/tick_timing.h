#pragma once
// Times GameTick frame by frame on the virtual clock, the frame's picture composed as a window
// would compose it for the screen (a headless frame alone is composed only when looked at).
#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

#include "game/frame_loop.h"
#include "platform/headless/headless_host.h"
#include "shell/app.h"
#include "shell/main_window.h"

namespace bench {

struct TickTimes {
    double median, p99, worst;  // milliseconds
};

// `beforeTick(i)` plays the part of the player before frame i.
inline TickTimes timeGameTicks(kv::App& app, kv::HeadlessHost& host, int frames,
                               const std::function<void(int)>& beforeTick) {
    std::vector<double> ms;
    ms.reserve(static_cast<std::size_t>(frames));
    for (int i = 0; i < frames; ++i) {
        host.virtualClock().advanceTo(host.clock().ticks() + 26);
        app.windows.pump(false);
        beforeTick(i);
        const auto t0 = std::chrono::steady_clock::now();
        kv::GameTick(app);
        app.Form1.all->image();
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0)
                .count());
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms[ms.size() * 99 / 100], ms.back()};
}

}  // namespace bench

// The real clock's wait for the next frame hands on input as it arrives.
#include "platform/sdl/real_clock.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <thread>

namespace kv {
namespace {

TEST(RealClock, InputArrivingDuringTheWaitIsHandledAtOnceAndTheWaitStillEndsOnTime) {
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_EVENTS), 0) << SDL_GetError();
    RealClock clock;
    Millis handledAt = -1;
    int events = 0;
    clock.onInput = [&] {
        SDL_Event e;
        while (SDL_PollEvent(&e)) {
            if (e.type == SDL_QUIT) handledAt = clock.ticks();
            ++events;
        }
    };
    const Millis start = clock.ticks();
    // A close request while the clock waits out a long frame.
    std::thread closer([] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        SDL_Event quit{};
        quit.type = SDL_QUIT;
        SDL_PushEvent(&quit);
    });
    clock.waitUntil(start + 600);
    closer.join();
    EXPECT_GE(clock.ticks(), start + 600);
    EXPECT_GE(events, 1);
    ASSERT_GE(handledAt, 0);
    EXPECT_LT(handledAt - start, 400) << "the close waited for the frame";
    SDL_QuitSubSystem(SDL_INIT_EVENTS);
}

}  // namespace
}  // namespace kv

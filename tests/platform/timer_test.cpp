#include "platform/timer.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/app_fixture.h"
#include "support/play_fixture.h"

namespace kv {
namespace {

struct Ticking {
    VirtualClock clock{5000};
    std::vector<Millis> fired;
    Timer timer{"Timer1", clock, 100, false};
    Ticking() {
        timer.onTick = [this] { fired.push_back(clock.ticks()); };
    }
    // Offers the timer a chance to fire at every millisecond up to `t`.
    void runTo(Millis t) {
        for (Millis now = clock.ticks(); now <= t; ++now) {
            clock.advanceTo(now);
            timer.fireIfDue(now);
        }
    }
};

TEST(Timer, EnablingSchedulesTheFirstTickOneIntervalLater) {
    Ticking t;
    t.clock.advanceTo(5030);
    t.timer.setEnabled(true);
    EXPECT_EQ(t.timer.due(), 5130);
    t.runTo(5129);
    EXPECT_TRUE(t.fired.empty());
    t.runTo(5350);
    EXPECT_EQ(t.fired, (std::vector<Millis>{5130, 5230, 5330}));
    // Enabling a running timer again does not move its next tick.
    t.timer.setEnabled(true);
    EXPECT_EQ(t.timer.due(), 5430);
    // A timer enabled at creation counts from then.
    VirtualClock clock(700);
    Timer running("Timer2", clock, 100, true);
    EXPECT_EQ(running.due(), 800);
}

TEST(Timer, LateTicksKeepTheScheduleAndMissedOnesAreDropped) {
    Ticking t;
    t.timer.setEnabled(true);  // due 5100
    EXPECT_FALSE(t.timer.fireIfDue(5099));
    // Handled 30 late: the next tick is still due a whole interval after the last due time.
    EXPECT_TRUE(t.timer.fireIfDue(5130));
    EXPECT_EQ(t.timer.due(), 5200);
    // Three and a half intervals late: one tick only, and the schedule goes on at 5600.
    EXPECT_TRUE(t.timer.fireIfDue(5555));
    EXPECT_FALSE(t.timer.fireIfDue(5555));
    EXPECT_FALSE(t.timer.fireIfDue(5599));
    EXPECT_TRUE(t.timer.fireIfDue(5600));
    // Exactly one interval late: the tick that was due now is not fired twice.
    EXPECT_TRUE(t.timer.fireIfDue(5800));
    EXPECT_EQ(t.timer.due(), 5900);
    EXPECT_EQ(t.fired.size(), 4u);
}

TEST(Timer, StoppedTimersNeverFire) {
    Ticking t;
    t.runTo(6000);
    EXPECT_TRUE(t.fired.empty());
    t.timer.setEnabled(true);
    t.timer.setEnabled(false);
    t.runTo(8000);
    EXPECT_TRUE(t.fired.empty());
    // An interval of 0 stops it as well; setting an interval again counts from now.
    t.timer.setEnabled(true);
    t.timer.setInterval(0);
    t.runTo(9000);
    EXPECT_TRUE(t.fired.empty());
    t.timer.setInterval(250);
    EXPECT_EQ(t.timer.due(), 9250);
    t.runTo(9250);
    EXPECT_EQ(t.fired, std::vector<Millis>{9250});
}

TEST(Timer, RestartedTimerCountsAFullIntervalAgain) {
    Ticking t;
    t.timer.setEnabled(true);
    t.runTo(5150);  // fired at 5100, next due 5200
    t.timer.setEnabled(false);
    t.clock.advanceTo(5190);
    t.timer.setEnabled(true);
    t.runTo(5289);
    EXPECT_EQ(t.fired, std::vector<Millis>{5100});
    t.runTo(5290);
    EXPECT_EQ(t.fired, (std::vector<Millis>{5100, 5290}));
}

// The main window's game clock: time passing is not enough, the tick comes with a yield.
TEST(Timer, FiresOnlyInsideAYield) {
    test::HeadlessGame game({.sysIni = test::PlainSettings});
    game.openMainWindow();
    MainWindow& f = game.app.Form1;
    ASSERT_TRUE(f.isLoaded());
    game.host.virtualClock().advanceTo(game.host.virtualClock().ticks() + 5500);
    EXPECT_EQ(game.app.state.gameSeconds, 0);
    EXPECT_EQ(f.Label4->caption, "Time :");
    game.app.windows.pump(false);
    // Five and a half seconds late, the clock still ticks once.
    EXPECT_EQ(game.app.state.gameSeconds, 1);
    EXPECT_EQ(f.Label4->caption, "Game Time : 1");
    game.app.windows.pump(false);
    EXPECT_EQ(game.app.state.gameSeconds, 1);
}

// In play, at the frame periods people use, the clocks run on wall time: the game clock gains a
// second per second and a hurt blinks for 20 ticks of 100 ms.
struct Schedule : test::PlayFixture, ::testing::WithParamInterface<int> {
    Millis now() { return game.host.virtualClock().ticks(); }
};

TEST_P(Schedule, ClockGainsTwoMinutesInTwoMinutesAndABlinkLastsTwoSeconds) {
    const int period = GetParam();
    ground(0, 300, 2400, 46);
    startLevel();
    place(1000, 296, 700);
    s.framePeriod = period;
    game.driver.wait(500);
    const int seconds = s.gameSeconds;
    game.driver.wait(120000);
    EXPECT_EQ(s.gameSeconds - seconds, 120) << "period " << period;
    ASSERT_EQ(s.lives, 3);
    ASSERT_FALSE(s.deathFall);

    // Hurt just after a tick of the animation clock; the blink ends with its 20th tick after.
    Millis hurtAt = -1, endAt = -1;
    const auto tick = f.Timer2->onTick;
    f.Timer2->onTick = [&] {
        tick();
        if (hurtAt < 0) {
            s.playerHurt = true;
            hurtAt = now();
        } else if (!s.playerHurt && endAt < 0) {
            endAt = now();
        }
    };
    game.driver.wait(3000);
    ASSERT_GE(endAt, 0);
    // Each tick comes with the first frame at or after its due time.
    EXPECT_NEAR(endAt - hurtAt, 2000, period + 1) << "period " << period;
    EXPECT_EQ(s.lives, 2);
}

INSTANTIATE_TEST_SUITE_P(FramePeriods, Schedule, ::testing::Values(25, 40));

}  // namespace
}  // namespace kv

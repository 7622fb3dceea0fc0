#include "platform/timer.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/app_fixture.h"

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

TEST(Timer, LateTickFiresOnceAndCountsOnFromItself) {
    Ticking t;
    t.timer.setEnabled(true);  // due 5100
    EXPECT_FALSE(t.timer.fireIfDue(5099));
    EXPECT_TRUE(t.timer.fireIfDue(5455));  // three and a half intervals late: one tick only
    EXPECT_FALSE(t.timer.fireIfDue(5455));
    EXPECT_FALSE(t.timer.fireIfDue(5554));
    EXPECT_TRUE(t.timer.fireIfDue(5555));
    EXPECT_EQ(t.fired.size(), 2u);
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

}  // namespace
}  // namespace kv

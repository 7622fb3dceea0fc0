#include "game/frame_loop.h"

#include <gtest/gtest.h>

#include "shell/app.h"
#include "support/app_fixture.h"

namespace kv {
namespace {

using test::HeadlessGame;
using test::PlainSettings;

struct Loop : ::testing::Test {
    HeadlessGame game{{.sysIni = PlainSettings}};
    GameState& s = game.app.state;
    MainWindow& f = game.app.Form1;

    void SetUp() override {
        game.openMainWindow();
        ASSERT_TRUE(f.isLoaded());
        ASSERT_TRUE(game.app.windows.hasFrameLoop());
    }
    Millis tick() { return game.host.virtualClock().ticks(); }
    // Virtual milliseconds that n frames take, counted from the start of a frame.
    Millis timeOfFrames(int n) {
        game.driver.frames(1);
        const Millis start = tick();
        game.driver.frames(n);
        return tick() - start;
    }
};

TEST_F(Loop, FramesStartOnlyAfterMoreThanTheFramePeriod) {
    EXPECT_EQ(s.framePeriod, 25);
    // The first pass does not wait for an earlier frame.
    game.driver.frames(1);
    EXPECT_LE(tick() - 1000000, 1);
    EXPECT_EQ(s.nextFrameTime, tick() + 25);
    EXPECT_EQ(timeOfFrames(10), 260);
    s.framePeriod = 40;
    EXPECT_EQ(timeOfFrames(5), 205);
    // Waiting less than a whole period starts no frame.
    const long long before = game.app.windows.framesStarted();
    game.driver.wait(40);
    EXPECT_EQ(game.app.windows.framesStarted(), before);
    game.driver.wait(1);
    EXPECT_EQ(game.app.windows.framesStarted(), before + 1);
}

TEST_F(Loop, ZeroOrNegativePeriodStillMovesOn) {
    s.framePeriod = 0;
    EXPECT_EQ(timeOfFrames(10), 10);
    s.framePeriod = -5;
    EXPECT_EQ(timeOfFrames(10), 10);
    EXPECT_EQ(s.nextFrameTime, tick() - 5);
}

TEST_F(Loop, GameClockShowsFramesOfTheLastSecond) {
    game.driver.wait(900);
    // Before the first tick the labels show what they were built with.
    EXPECT_EQ(f.Label1->caption, "0");
    EXPECT_EQ(f.Label4->caption, "Time :");
    EXPECT_EQ(f.Label7->caption, "Label7");
    EXPECT_EQ(s.frameCount, 35);
    game.driver.wait(200);
    // Frames start 1, 27, ... 989 ms after the load: 39 of them before the tick, which comes
    // with the yield of the frame at 1015 ms; that frame is the first of the next second.
    EXPECT_EQ(f.Label1->caption, "Fps : 39");
    EXPECT_EQ(f.Label4->caption, "Game Time : 1");
    EXPECT_EQ(f.Label7->caption, "3");
    EXPECT_EQ(f.Label8->caption, "1");
    EXPECT_EQ(s.gameSeconds, 1);
    EXPECT_EQ(s.frameCount, 4);
    EXPECT_EQ(game.get("Form1.Label1.Caption"), "Fps : 39");
}

TEST_F(Loop, StatsPanelSlidesInAndOutWhilePaused) {
    s.inMainMenu = false;
    s.gamePaused = true;
    s.hudShown = true;
    s.bossFight = true;
    const Surface screen = f.all->image();
    const int bar = f.finallife->top;
    const long long count = s.frameCount;
    std::vector<int> tops;
    for (int i = 0; i < 12; ++i) {
        game.driver.frames(1);
        tops.push_back(f.tma->top);
    }
    EXPECT_EQ(tops, (std::vector<int>{-90, -80, -70, -60, -50, -40, -30, -20, -10, 0, 0, 0}));
    s.hudShown = false;
    game.driver.frames(3);
    EXPECT_EQ(f.tma->top, -30);
    s.hudShown = true;  // turned round half-way
    game.driver.frames(1);
    EXPECT_EQ(f.tma->top, -20);
    s.hudShown = false;
    game.driver.frames(12);
    EXPECT_EQ(f.tma->top, -100);
    // Nothing else moved: no life bar, no drawing; the frames were counted all the same.
    EXPECT_EQ(f.finallife->top, bar);
    EXPECT_EQ(f.all->image(), screen);
    EXPECT_EQ(s.frameCount, count + 28);
}

TEST_F(Loop, PanelStaysPutInTheMainMenu) {
    s.hudShown = true;
    game.driver.frames(5);
    EXPECT_EQ(f.tma->top, -100);
}

TEST_F(Loop, BossLifeBarSlidesDownAndStops) {
    s.inMainMenu = false;
    s.bossFight = true;
    EXPECT_EQ(f.finallife->top, -30);
    game.driver.frames(1);
    EXPECT_EQ(f.finallife->top, -28);
    EXPECT_EQ(f.Picture1->top, -28);
    game.driver.frames(19);
    EXPECT_EQ(f.finallife->top, 10);
    game.driver.frames(5);
    EXPECT_EQ(f.finallife->top, 10);
    EXPECT_EQ(f.Picture1->top, 10);
}

TEST_F(Loop, EndsWhenLoopRunningIsFalse) {
    game.driver.frames(3);
    const long long started = game.app.windows.framesStarted();
    const int count = s.frameCount;
    s.loopRunning = false;
    EXPECT_FALSE(game.driver.frames(1));
    EXPECT_FALSE(game.app.windows.hasFrameLoop());
    EXPECT_EQ(game.app.windows.framesStarted(), started);
    EXPECT_EQ(s.frameCount, count);
    EXPECT_EQ(game.script("frames 1"), 2);
    EXPECT_NE(game.err.str().find("error: no frame loop is running (line 1)"), std::string::npos)
        << game.err.str();
}

}  // namespace
}  // namespace kv

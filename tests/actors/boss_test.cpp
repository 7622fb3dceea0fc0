// The boss of level 12: the speech trigger, the damage of every overlapping frame and the beaten
// boss that freezes play, its turning and walking, its jump, the timer's draws, and its touch.
#include "actors/boss.h"

#include <gtest/gtest.h>

#include "actors/boss_timer.h"
#include "actors/update_actors.h"
#include "player/update_player.h"
#include "render/score.h"
#include "support/play_fixture.h"

namespace kv {
namespace {

struct Boss : test::PlayFixture {
    void SetUp() override {
        PlayFixture::SetUp();
        // Wide enough for the boss's arena right of x 5000.
        mask = Surface(6400, 346, test::Air);
        mask.setPixel(0, 0, test::Ground);
        mask.setPixel(1, 1, test::Hazard);
        ground(0, 302, 6400, 44);
    }
    void boss(int x, int y, Dir d = Dir::None) {
        s.bossX = x;
        s.bossY = y;
        s.bossDirection = d;
    }
};

TEST_F(Boss, SpeaksOnceThePlayerIsPastX5800InLevelTwelve) {
    startLevel(12);
    struct Row {
        int lx, level;
        bool fight, armed, speaks;
    };
    for (const Row& r : {Row{5800, 12, false, true, false}, Row{5801, 12, false, true, true},
                         Row{5801, 11, false, true, false}, Row{5801, 12, true, true, false},
                         Row{5801, 12, false, false, false}}) {
        s.gamePaused = false;
        f.Picture3->visible = false;
        place(r.lx, 298, 5400);
        s.levelNumber = r.level;
        s.bossFight = r.fight;
        s.bossSpeechArmed = r.armed;
        BossSpeechTrigger(app);
        EXPECT_EQ(s.gamePaused, r.speaks) << r.lx << " level " << r.level;
        EXPECT_EQ(f.Picture3->visible, r.speaks) << r.lx << " level " << r.level;
    }
}

TEST_F(Boss, FiftyNineHitsBeatItForFiveHundredNinetyPoints) {
    startLevel(12);
    s.bossFight = true;
    f.Timer5->setEnabled(true);
    boss(5500, 267);
    place(5000, 298, 4700);
    s.walkDirection = Dir::Right;
    s.shotActive = true;
    s.shotSpeed = 30;
    // Passing just above or below scores nothing.
    for (int y : {267 - 12, 267 + 35}) {
        s.shotX = 5510;
        s.shotY = y;
        BossStep(app);
    }
    EXPECT_EQ(f.finallife->width, 300);
    for (int hit = 1; hit <= 59; ++hit) {
        ASSERT_FALSE(s.gamePaused) << "beaten after " << hit - 1 << " hits";
        s.shotX = s.bossX - 11;  // its right edge one pixel into the boss
        s.shotY = 267 - 11;
        s.bossDirection = Dir::None;
        UpdateActors(app);
    }
    EXPECT_EQ(f.finallife->width, 5);
    EXPECT_EQ(Score(app), 590);
    EXPECT_TRUE(s.gamePaused);
    EXPECT_TRUE(s.bossFight);
    EXPECT_EQ(s.speechStep, 1);
    EXPECT_TRUE(f.finaltext->visible);
    EXPECT_EQ(s.walkDirection, Dir::None);
    EXPECT_EQ(s.bossDirection, Dir::None);
    for (Timer* t : {f.Timer1, f.Timer2, f.Timer3, f.Timer5})
        EXPECT_FALSE(t->enabled()) << t->name();

    // Frozen from then on, the shot still over the boss: the bar stays at 5.
    const int x = s.bossX;
    ASSERT_EQ(game.script("frames 30"), 0);
    EXPECT_EQ(f.finallife->width, 5);
    EXPECT_EQ(Score(app), 590);
    EXPECT_EQ(s.bossX, x);
}

TEST_F(Boss, TurnsAtWallsAndLeftOfX5000AndWalksTenAFrame) {
    ground(5200, 250, 10, 52);  // a wall
    startLevel(12);
    boss(4995, 267, Dir::Right);
    for (int x : {4985, 4995, 4985, 4995}) {
        BossStep(app);
        EXPECT_EQ(s.bossX, x);
    }
    // Standing, it stays; a turn makes it walk left.
    boss(5150, 267, Dir::None);
    BossStep(app);
    EXPECT_EQ(s.bossX, 5150);
    boss(5165, 267, Dir::None);  // its right knee in the wall
    BossStep(app);
    EXPECT_EQ(s.bossDirection, Dir::Left);
    EXPECT_EQ(s.bossX, 5155);
    boss(5170, 267, Dir::Right);
    BossStep(app);
    EXPECT_EQ(s.bossX, 5160);
    boss(5100, 267, Dir::Right);
    BossStep(app);
    EXPECT_EQ(s.bossX, 5110);
}

TEST_F(Boss, JumpsThirtyFramesFrom267To282) {
    startLevel(12);
    boss(1000, 267);
    BossMove(app, 2);
    int frames = 0, top = 267;
    while (s.bossJumping && frames < 100) {
        BossJumpStep(app);
        top = std::min(top, s.bossY);
        ++frames;
    }
    EXPECT_EQ(frames, 30);
    EXPECT_EQ(top, 162);
    EXPECT_EQ(s.bossY, 282);
}

TEST_F(Boss, TheTimerDrawsFromTheClockAndMovesTheBoss) {
    startLevel(12);
    int seen[4] = {};
    for (int i = 0; i < 400; ++i) {
        const int draw = BossDraw(app);
        ASSERT_GE(draw, 0);
        ASSERT_LE(draw, 3);
        EXPECT_EQ(BossDraw(app), draw) << "the same clock, the same draw";
        ++seen[draw];
        game.host.virtualClock().advanceTo(game.host.clock().ticks() + 1000);
    }
    for (int n : seen) EXPECT_GT(n, 60);

    boss(1000, 267, Dir::Right);
    BossMove(app, 0);
    EXPECT_EQ(s.bossDirection, Dir::Left);
    BossMove(app, 1);
    EXPECT_EQ(s.bossDirection, Dir::Right);
    s.bossJumpStep = 3;
    BossMove(app, 2);  // a jump in the air starts again
    EXPECT_TRUE(s.bossJumping);
    EXPECT_EQ(s.bossJumpStep, 15);
    EXPECT_EQ(s.bossDirection, Dir::Right);
    BossMove(app, 3);
    EXPECT_EQ(s.bossDirection, Dir::None);
}

TEST_F(Boss, TouchHurtsWithThePlayerCountedAsA35PixelSquare) {
    startLevel(12);
    struct Row {
        int dx, dy;  // player left edge and top, from the boss's corner
        bool hurts;
    };
    for (const Row& r :
         {Row{0, 0, true}, Row{0, -34, true}, Row{0, -35, false}, Row{0, 1, false},
          Row{-34, 0, true}, Row{-35, 0, false}, Row{34, 0, true}, Row{35, 0, false}}) {
        s.playerHurt = false;
        boss(5500, 200);
        place(5500 + r.dx, 200 + r.dy + s.playerHeight, 5200);
        BossStep(app);
        EXPECT_EQ(s.playerHurt, r.hurts) << r.dx << ", " << r.dy;
    }
}

}  // namespace
}  // namespace kv

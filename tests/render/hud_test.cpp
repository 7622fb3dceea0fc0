// The stats panel and the game clock: what each clock tick writes, the score as the caption of a
// label, and the blank box over the boss bar that hides the panel.
#include <gtest/gtest.h>

#include "actors/enemies.h"
#include "levels/life_and_level.h"
#include "support/play_fixture.h"

namespace kv {
namespace {

using Hud = test::PlayFixture;

TEST_F(Hud, AClockTickRefreshesLivesTimeAndFramesThenCountsAfresh) {
    s.lives = 2;
    s.gameSeconds = 4;
    s.frameCount = 17;
    f.Timer1->onTick();
    EXPECT_EQ(f.Label7->caption, "2");
    EXPECT_EQ(s.gameSeconds, 5);
    EXPECT_EQ(f.Label4->caption, "Game Time : 5");
    EXPECT_EQ(f.Label1->caption, "Fps : 17");
    EXPECT_EQ(s.frameCount, 0);
    EXPECT_EQ(f.Label8->caption, "5");
    s.lives = -1;
    f.Timer1->onTick();
    EXPECT_EQ(f.Label7->caption, "-1");
    EXPECT_EQ(f.Label1->caption, "Fps : 0");
    EXPECT_EQ(f.Label8->caption, "6");
}

TEST_F(Hud, TheClockStandsStillWhilePaused) {
    s.inMainMenu = false;  // Esc pauses play only
    game.driver.wait(1050);
    EXPECT_EQ(s.gameSeconds, 1);
    game.app.windows.keyDown(keys::Esc);
    game.driver.wait(3000);
    EXPECT_EQ(s.gameSeconds, 1);
    game.app.windows.keyDown(keys::Esc);
    game.driver.wait(1050);
    EXPECT_EQ(s.gameSeconds, 2);
}

TEST_F(Hud, TheScoreCaptionGrowsByStompsAndByCompletingALevel) {
    storeLevelFiles(2);
    startLevel();
    f.score->caption = "123";
    s.scrollX = 700;
    s.playerX = 300;
    s.playerY = 200 + 10 - s.playerHeight;
    s.enemyAlive[4] = true;
    s.enemyX[4] = 1000;
    s.enemyY[4] = 200;
    EnemyContact(app, 4);
    EXPECT_EQ(f.score->caption, "133");
    s.scrollX = 5726;
    s.playerX = 581;
    s.walkDirection = Dir::Right;
    UpdateLifeAndLevel(app);
    EXPECT_EQ(s.levelNumber, 2);
    EXPECT_EQ(f.score->caption, "233");
}

TEST_F(Hud, ClickingTheBoxOverTheBossBarHidesAndShowsThePanel) {
    ASSERT_TRUE(f.tma->visible);
    ASSERT_EQ(game.script("click Form1.Picture1"), 0);
    EXPECT_FALSE(f.tma->visible);
    EXPECT_EQ(game.get("Form1.tma.Visible"), "False");
    // Hidden, it still slides: S and play frames move it all the same.
    s.inMainMenu = false;
    f.loading->visible = false;
    s.hudShown = true;
    game.driver.frames(3);
    EXPECT_EQ(f.tma->top, -70);
    EXPECT_FALSE(f.tma->visible);
    ASSERT_EQ(game.script("click Form1.Picture1"), 0);
    EXPECT_TRUE(f.tma->visible);
}

}  // namespace
}  // namespace kv

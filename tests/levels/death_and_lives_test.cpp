// Lives and death: the hazard touch and its hop, the respawn below the screen, the two roads to
// the game over and the window a game ends in.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "levels/game_over.h"
#include "levels/life_and_level.h"
#include "player/animation_clock.h"
#include "player/update_player.h"
#include "support/play_fixture.h"

namespace kv {
namespace {

struct Death : test::PlayFixture {
    bool showsDead() const {
        return f.normw->picture == f.dw->picture && f.normb->picture == f.db->picture;
    }
    // Runs frames of play until `done` holds or `limit` frames have passed.
    template <class Done>
    int framesUntil(Done done, int limit = 400) {
        for (int i = 1; i <= limit; ++i) {
            game.driver.frames(1);
            if (done()) return i;
        }
        return -1;
    }
};

constexpr int Floor = 300;

TEST_F(Death, TouchingTheHazardStartsTheDeathHopOnce) {
    ground(100, Floor, 2000, 46);
    startLevel();
    for (const int hazardX : {1000 + 25 + 3, 1000 - 4}) {  // right and left probe
        s.lives = 2;
        s.deathFall = false;
        s.jumping = false;
        f.keyPreview = true;
        place(1000, Floor - 4);
        s.walkDirection = Dir::Right;
        mask.setPixel(hazardX, Floor - 9, test::Hazard);
        remask();
        UpdateLifeAndLevel(app);
        EXPECT_TRUE(s.deathFall) << hazardX;
        EXPECT_EQ(s.lives, 1);
        EXPECT_TRUE(s.jumping);
        EXPECT_EQ(s.jumpStep, 30);
        EXPECT_FALSE(f.keyPreview);
        EXPECT_EQ(s.walkDirection, Dir::None);
        EXPECT_EQ(levelX(), 1000);  // the walk of that frame is not made
        EXPECT_TRUE(showsDead());
        // Touching it again during the fall costs nothing.
        UpdateLifeAndLevel(app);
        EXPECT_EQ(s.lives, 1);
        mask.setPixel(hazardX, Floor - 9, test::Air);
        remask();
    }
}

TEST_F(Death, TheDeathHopRisesAndSinksFourAFrameMore) {
    ground(100, Floor, 2000, 46);
    mask.setPixel(1028, Floor - 9, test::Hazard);
    startLevel();
    place(1000, Floor - 4);
    UpdateLifeAndLevel(app);
    ASSERT_TRUE(s.deathFall);
    std::vector<int> ys;
    for (int i = 0; i < 3; ++i) {
        const int y = s.playerY;
        UpdatePlayer(app);
        ys.push_back(s.playerY - y);
    }
    // The hop's steps 29, 28, 27 up, each with the dead figure's 4 down.
    EXPECT_EQ(ys, (std::vector<int>{-25, -24, -23}));
}

TEST_F(Death, OnlyTheTwoHazardProbesKill) {
    ground(100, Floor, 2000, 46);
    startLevel();
    place(1000, Floor - 4);
    // Just beside the probes: one further out, one further in, a row above and below.
    for (const auto& [x, y] : {std::pair{1029, Floor - 9},
                               {1027, Floor - 9},
                               {1028, Floor - 10},
                               {1028, Floor - 8},
                               {995, Floor - 9},
                               {997, Floor - 9}}) {
        mask.setPixel(x, y, test::Hazard);
        remask();
        UpdateLifeAndLevel(app);
        EXPECT_FALSE(s.deathFall) << x << "," << y;
        mask.setPixel(x, y, test::Air);
    }
    EXPECT_EQ(s.lives, 3);
}

TEST_F(Death, TheDeadFallIgnoresGroundAndRespawnsBelow480) {
    ground(100, Floor, 2000, 46);
    startLevel();
    place(1000, Floor - 4, 700);
    s.deathFall = true;
    s.jumping = false;
    s.walkDirection = Dir::None;
    f.keyPreview = false;
    // Standing on ground the player still sinks 4 a frame: no lift, no landing.
    const int y = s.playerY;
    UpdatePlayer(app);
    EXPECT_EQ(s.playerY, y + 4);

    s.playerY = 476;  // 480 is not below the screen yet
    UpdatePlayer(app);
    EXPECT_EQ(s.playerY, 480);
    EXPECT_TRUE(s.deathFall);

    s.playerHurt = true;
    s.playerVisible = false;
    s.jumping = true;
    s.jumpStep = -40;  // the hop is over; the counter runs on
    s.playerY = 477;
    UpdatePlayer(app);
    EXPECT_FALSE(s.deathFall);
    EXPECT_EQ(s.playerX, 60);
    EXPECT_EQ(s.playerY, 101);
    EXPECT_EQ(s.scrollX, 0);
    EXPECT_EQ(s.jumpStep, 10);
    EXPECT_TRUE(s.jumping);  // so the respawned player makes a short hop
    EXPECT_TRUE(f.keyPreview);
    EXPECT_TRUE(s.playerVisible);
    EXPECT_FALSE(s.playerHurt);
    EXPECT_EQ(f.normw->picture, f.lw1->picture);
    EXPECT_EQ(f.normb->picture, f.lb1->picture);
    EXPECT_FALSE(game.app.score1.isLoaded());
}

TEST_F(Death, ZeroLivesStillPlays) {
    ground(100, Floor, 2000, 46);
    startLevel();
    place(1000, Floor - 4);
    s.lives = 0;
    s.walkDirection = Dir::Right;
    UpdateLifeAndLevel(app);
    EXPECT_FALSE(s.gameOverFall);
    EXPECT_EQ(levelX(), 1007);
}

TEST_F(Death, GameOverByAnEnemyFallsThroughTheLevelIntoTheGameOverWindow) {
    ground(0, Floor, 2400, 46);
    startLevel();
    place(1000, Floor - 4, 700);
    s.lives = 0;
    s.framePeriod = 31;
    s.playerHurt = true;
    AnimationTick(app);
    ASSERT_EQ(s.lives, -1);
    s.walkDirection = Dir::Right;

    UpdateLifeAndLevel(app);
    EXPECT_TRUE(s.gameOverFall);
    EXPECT_EQ(s.walkDirection, Dir::None);
    EXPECT_FALSE(f.keyPreview);
    EXPECT_FALSE(f.Timer1->enabled());
    EXPECT_FALSE(f.Timer2->enabled());
    EXPECT_FALSE(s.playerHurt);
    EXPECT_TRUE(s.playerVisible);
    EXPECT_TRUE(showsDead());
    EXPECT_TRUE(s.jumping);
    EXPECT_EQ(s.jumpStep, 30);
    EXPECT_EQ(s.groundColour, 123);
    EXPECT_EQ(levelX(), 1000);
    // A second call starts nothing anew.
    s.jumpStep = 12;
    UpdateLifeAndLevel(app);
    EXPECT_EQ(s.jumpStep, 12);
    s.jumpStep = 30;

    // The floor no longer holds: the player hops and falls out of the screen.
    int lowest = s.playerY;
    const int frames = framesUntil([&] {
        lowest = std::max(lowest, s.playerY);
        return s.gamePaused;
    });
    ASSERT_GT(frames, 0);
    EXPECT_GT(lowest, 480);
    EXPECT_FALSE(s.deathFall);
    EXPECT_TRUE(game.app.score1.isLoaded());
    EXPECT_TRUE(game.app.score1.visible);
    EXPECT_EQ(game.app.windows.top(), &game.app.score1);
    EXPECT_EQ(game.app.ini.Text[2], "31");
    EXPECT_NE(game.bytes("/sys.ini").find("speed=31"), std::string::npos);
    // The world stands still from then on.
    const int y = s.playerY;
    game.driver.frames(5);
    EXPECT_EQ(s.playerY, y);
}

TEST_F(Death, GameOverByTheHazardRespawnsOnceThenEnds) {
    ground(0, Floor, 2400, 46);
    mask.setPixel(1028, Floor - 9, test::Hazard);
    startLevel();
    place(1000, Floor - 4, 700);
    s.lives = 0;
    UpdateLifeAndLevel(app);
    ASSERT_TRUE(s.deathFall);
    ASSERT_EQ(s.lives, -1);
    ASSERT_FALSE(s.gameOverFall);

    game.driver.frames(1);
    EXPECT_TRUE(s.gameOverFall);  // the next frame starts the game-over fall as well
    EXPECT_EQ(s.groundColour, 123);

    // Below 480 the respawn of a lost life comes first, and with it the game-over window.
    ASSERT_GT(framesUntil([&] { return !s.deathFall; }), 0);
    EXPECT_EQ(s.playerX, 60);
    EXPECT_EQ(s.scrollX, 0);
    EXPECT_FALSE(s.gamePaused);
    EXPECT_TRUE(game.app.score1.visible);
    EXPECT_EQ(game.app.windows.top(), &game.app.score1);
    // Nothing is solid: the respawned player falls through again and the game ends.
    ASSERT_GT(framesUntil([&] { return s.gamePaused; }), 0);
    EXPECT_GT(s.playerY, 480);
    EXPECT_EQ(s.lives, -1);
    EXPECT_TRUE(game.app.score1.visible);
    EXPECT_EQ(game.app.windows.top(), &game.app.score1);
    EXPECT_EQ(game.app.ini.Text[2], "25");
}

TEST_F(Death, GameMenuInTheHighScoreWindowBringsAFreshMainWindow) {
    startLevel(4);
    s.lives = -1;
    s.framePeriod = 27;
    ShowEndOfGame(app);
    ShowEndOfGame(app);  // shown twice, as the hazard road does
    ASSERT_EQ(game.app.windows.top(), &game.app.score1);
    // Keys go to the window on top: the main window's handlers do not see them.
    game.app.windows.keyDown(keys::S);
    EXPECT_FALSE(s.hudShown);

    game.app.windows.click(game.app.score1, *game.app.score1.Label3);
    EXPECT_FALSE(game.app.score1.isLoaded());
    ASSERT_TRUE(f.isLoaded());
    EXPECT_TRUE(f.visible);
    EXPECT_TRUE(f.keyPreview);
    EXPECT_EQ(game.app.windows.top(), &f);
    EXPECT_TRUE(s.inMainMenu);
    EXPECT_EQ(s.lives, 3);
    EXPECT_EQ(s.levelNumber, 1);
    EXPECT_TRUE(f.hlmenu->visible);
    EXPECT_TRUE(f.loading->visible);
    EXPECT_TRUE(game.app.windows.hasFrameLoop());
    // The new menu runs.
    game.driver.frames(3);
    EXPECT_TRUE(s.inMainMenu);
    EXPECT_FALSE(game.app.ended());
}

}  // namespace
}  // namespace kv

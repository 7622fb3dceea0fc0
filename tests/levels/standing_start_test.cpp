// A player who presses nothing after a level starts keeps every life: each level is set up
// headless and played for 15 s of game time, frame by frame at 25 ms with the game's own frame of
// play and timers (enemies, player, the animation clock that takes a life), once with every enemy
// first walking right and once left, since an enemy keeps its direction from the level before.
// Then the same after a respawn, which puts the player back at (60, 101) wherever the enemies have
// got to.
#include <gtest/gtest.h>

#include <string>

#include "actors/update_actors.h"
#include "levels/level_files.h"
#include "levels/level_folder.h"
#include "levels/life_and_level.h"
#include "levels/object_tables.h"
#include "levels/setup_level.h"
#include "player/update_player.h"
#include "support/app_fixture.h"

namespace kv {
namespace {

constexpr Millis kStandStill = 15000;

// `ms` of game time: every frame period the due timer ticks, then the updates of a frame of play
// in their order. Drawing, which would cost nearly all the time here, is left out.
void play(test::HeadlessGame& game, Millis ms) {
    App& app = game.app;
    VirtualClock& clock = game.host.virtualClock();
    for (const Millis end = clock.ticks() + ms; clock.ticks() < end;) {
        clock.advanceTo(clock.ticks() + app.state.framePeriod.millis());
        app.windows.pump(false);
        if (app.state.gamePaused) continue;
        UpdateLifeAndLevel(app);
        UpdatePlayer(app);
        UpdateActors(app);
    }
}

class StandingStill : public ::testing::TestWithParam<int> {};

TEST_P(StandingStill, NoLifeIsLostAtTheStartOrAfterARespawn) {
    const int level = GetParam();
    for (Dir first : {Dir::None, Dir::Left}) {
        SCOPED_TRACE(std::string("enemies first walking ") +
                     (first == Dir::Left ? "left" : "right"));
        test::HeadlessGame game({.testLevel = true, .tunes = 0, .sysIni = test::PlainSettings});
        test::linkRealLevel(game.folder.path(), level, false);
        game.openMainWindow();
        App& app = game.app;
        GameState& s = app.state;
        ASSERT_EQ(s.framePeriod, 25);
        for (int i = 1; i <= 10; ++i) s.enemyDir[i] = first;
        s.levelNumber = level;
        CopyLevelPictures(app, level, false);
        SetupLevel(app);
        app.Form1.loading->visible = false;
        s.inMainMenu = false;
        const int lives = s.lives;

        play(game, kStandStill);
        EXPECT_EQ(s.lives, lives) << "level " << level << ": a life lost standing at the start";
        EXPECT_EQ(s.playerX + s.scrollX, levelObjects(level).playerX) << "level " << level;

        // A fall out of the screen brings the player back at the respawn point.
        s.deathFall = true;
        play(game, 2000);
        ASSERT_FALSE(s.deathFall) << "level " << level << ": no respawn";
        play(game, kStandStill);
        EXPECT_EQ(s.lives, lives) << "level " << level << ": a life lost standing after a respawn";
        EXPECT_EQ(s.playerX + s.scrollX, 60) << "level " << level;
    }
}

INSTANTIATE_TEST_SUITE_P(AllLevels, StandingStill, ::testing::Range(1, 13));

}  // namespace
}  // namespace kv

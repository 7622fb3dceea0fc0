// The animation clock: which frame pictures the player, plant and enemy boxes hold after a tick
// (compared by identity, as the game does), and the blink that takes a life after a hit.
#include "player/animation_clock.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/app.h"
#include "support/app_fixture.h"

namespace kv {
namespace {

struct AnimationClock : ::testing::Test {
    test::HeadlessGame game{{.sysIni = test::PlainSettings}};
    GameState& s = game.app.state;
    MainWindow& f = game.app.Form1;

    void SetUp() override {
        game.openMainWindow();
        ASSERT_TRUE(f.isLoaded());
    }
    void tick() { AnimationTick(game.app); }
    static bool shows(const PictureBox* box, const PictureBox* frame) {
        return box->picture && box->picture == frame->picture;
    }
    // The player's frame by name, "?" when it holds none of them.
    std::string player() const {
        const struct {
            const char* name;
            PictureBox *w, *b;
        } frames[] = {{"l1", f.lw1, f.lb1}, {"l2", f.lw2, f.lb2}, {"r1", f.rw1, f.rb1},
                      {"r2", f.rw2, f.rb2}, {"nl", f.nlw, f.nlb}, {"nr", f.nrw, f.nrb},
                      {"d", f.dw, f.db}};
        for (const auto& fr : frames)
            if (shows(f.normw, fr.w) && shows(f.normb, fr.b)) return fr.name;
        return "?";
    }
    std::string plant() const {
        const struct {
            const char* name;
            PictureBox* p;
        } frames[] = {{"ko", f.ko}, {"kc", f.kc}, {"kob", f.kob}, {"kcb", f.kcb}};
        for (const auto& fr : frames)
            if (shows(f.kytka, fr.p)) return fr.name;
        return "?";
    }
};

TEST_F(AnimationClock, WalkingAlternatesTwoFramesStartingWithTheFirst) {
    ASSERT_EQ(player(), "nr");
    s.walkDirection = Dir::Left;
    std::vector<std::string> seen;
    for (int i = 0; i < 4; ++i) {
        tick();
        seen.push_back(player());
    }
    s.walkDirection = Dir::Right;
    for (int i = 0; i < 3; ++i) {
        tick();
        seen.push_back(player());
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"l1", "l2", "l1", "l2", "r1", "r2", "r1"}));
    // The frames are the very pictures, not copies.
    EXPECT_EQ(f.normw->picture.get(), f.rw1->picture.get());
}

TEST_F(AnimationClock, MaskAndImageAlternateEachOnItsOwn) {
    // A box that holds frame 2's mask but frame 1's image swaps each to the other frame.
    s.walkDirection = Dir::Left;
    f.normw->picture = f.lw2->picture;
    f.normb->picture = f.lb1->picture;
    tick();
    EXPECT_TRUE(shows(f.normw, f.lw1));
    EXPECT_TRUE(shows(f.normb, f.lb2));
}

TEST_F(AnimationClock, StandingShowsTheSideOfTheLastReleasedArrow) {
    s.walkDirection = Dir::Left;
    tick();
    s.walkDirection = Dir::None;
    s.facing = Dir::Left;
    tick();
    EXPECT_EQ(player(), "nl");
    s.facing = Dir::Right;
    tick();
    EXPECT_EQ(player(), "nr");
    s.facing = Dir::None;  // no arrow released yet
    f.normw->picture = f.nlw->picture;
    tick();
    EXPECT_EQ(player(), "nr");
}

TEST_F(AnimationClock, FallingDeadShowsTheDeadFrameAndTurnsRight) {
    s.deathFall = true;
    s.walkDirection = Dir::Left;
    s.facing = Dir::Left;
    tick();
    EXPECT_EQ(player(), "d");
    EXPECT_EQ(s.facing, Dir::Right);
    tick();
    EXPECT_EQ(player(), "d");
}

TEST_F(AnimationClock, PlantPictureAndEnemyVariantFollowTheLevel) {
    struct Row {
        int level;
        const char* first;
        const char* second;
        int variant;  // -1: left as it was
    };
    const Row rows[] = {{1, "ko", "kc", -1},  {2, "ko", "kc", -1},  {3, "kob", "kcb", 1},
                        {4, "kob", "kcb", 1}, {5, "ko", "kc", 0},   {6, "ko", "kc", 0},
                        {7, "kob", "kcb", 1}, {8, "kob", "kcb", 1}, {9, "ko", "kc", 0},
                        {10, "ko", "kc", 0},  {11, "ko", "kc", 0},  {12, nullptr, nullptr, -1}};
    for (const Row& r : rows) {
        s.levelNumber = r.level;
        for (int before : {0, 1}) {
            s.spriteVariant = before;
            f.kytka->picture = f.kcb->picture;
            tick();
            EXPECT_EQ(s.spriteVariant, r.variant < 0 ? before : r.variant) << "level " << r.level;
        }
        if (!r.first) {
            // Level 12 leaves the plant as it is.
            EXPECT_EQ(plant(), "kcb");
            continue;
        }
        std::vector<std::string> seen;
        for (int i = 0; i < 3; ++i) {
            tick();
            seen.push_back(plant());
        }
        // The variant ticks above left the first picture of the pair in place.
        EXPECT_EQ(seen, (std::vector<std::string>{r.second, r.first, r.second}))
            << "level " << r.level;
    }
}

TEST_F(AnimationClock, EnemiesAlternateFramesInTheCurrentVariant) {
    ASSERT_TRUE(shows(f.enemyw, f.enemylw));
    s.levelNumber = 3;  // variant 1
    tick();
    EXPECT_TRUE(shows(f.enemyw, f.enemyrw));
    EXPECT_TRUE(shows(f.enemyb, f.enemyrb[1]));
    tick();
    EXPECT_TRUE(shows(f.enemyw, f.enemylw));
    EXPECT_TRUE(shows(f.enemyb, f.enemylb[1]));
    s.levelNumber = 12;  // keeps variant 1
    tick();
    EXPECT_TRUE(shows(f.enemyb, f.enemyrb[1]));
    s.levelNumber = 5;
    tick();
    EXPECT_TRUE(shows(f.enemyw, f.enemylw));
    EXPECT_TRUE(shows(f.enemyb, f.enemylb[0]));
}

TEST_F(AnimationClock, AHitTakesOneLifeAtTheFirstTickAndBlinksForTwentyTicks) {
    ASSERT_EQ(s.blinkTicks, 20);
    ASSERT_TRUE(s.hurtLifePending);
    s.lives = 3;
    s.playerHurt = true;
    std::string visible;
    for (int i = 1; i <= 20; ++i) {
        tick();
        EXPECT_EQ(s.lives, 2) << "tick " << i;
        visible += s.playerVisible ? 'T' : 'F';
        if (i < 20) {
            EXPECT_TRUE(s.playerHurt) << "tick " << i;
            EXPECT_FALSE(s.hurtLifePending) << "tick " << i;
        }
    }
    EXPECT_EQ(visible, "FTFTFTFTFTFTFTFTFTFT");
    EXPECT_FALSE(s.playerHurt);
    EXPECT_TRUE(s.hurtLifePending);
    EXPECT_EQ(s.blinkTicks, 20);
    EXPECT_TRUE(s.playerVisible);
    // Over: further ticks take nothing.
    tick();
    EXPECT_EQ(s.lives, 2);
    EXPECT_TRUE(s.playerVisible);

    // A new hit blinks again from the start and takes the next life.
    s.playerHurt = true;
    tick();
    EXPECT_EQ(s.lives, 1);
    EXPECT_FALSE(s.playerVisible);
}

TEST_F(AnimationClock, TheBlinkEndsVisibleWhateverItStartedFrom) {
    s.playerHurt = true;
    s.playerVisible = false;
    for (int i = 0; i < 20; ++i) tick();
    EXPECT_FALSE(s.playerHurt);
    EXPECT_TRUE(s.playerVisible);
}

TEST_F(AnimationClock, RunsOnTimer2AndFreezesWhilePaused) {
    s.inMainMenu = false;  // Esc pauses play only
    s.walkDirection = Dir::Left;
    game.driver.wait(150);
    EXPECT_EQ(player(), "l1");
    game.app.windows.keyDown(keys::Esc);  // pause stops Timer2
    game.driver.wait(500);
    EXPECT_EQ(player(), "l1");
    s.playerHurt = true;
    game.driver.wait(500);
    EXPECT_EQ(s.lives, 3);  // the pending life is not taken while the clock stands
    game.app.windows.keyDown(keys::Esc);
    game.driver.wait(130);
    EXPECT_EQ(player(), "l2");
    EXPECT_EQ(s.lives, 2);
}

}  // namespace
}  // namespace kv

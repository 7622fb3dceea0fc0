// Rolling fireballs: slots 7 and 8 of level 7 and 7 to 9 of level 8 burn on any touch, dead or
// alive, and their tests run before (level 7) or after (level 8) the ordinary pairs.
#include "actors/fireballs.h"

#include <gtest/gtest.h>

#include "actors/update_actors.h"
#include "support/play_fixture.h"

namespace kv {
namespace {

struct Fireballs : test::PlayFixture {
    // Slot i at level (x, y), walking right, dead or alive.
    void ball(int i, int x, int y, bool alive) {
        s.enemyAlive[i] = alive;
        s.enemyX[i] = x;
        s.enemyY[i] = y;
        s.enemyDir[i] = Dir::Right;
    }
    void reset() {
        s.playerHurt = false;
        s.jumping = false;
        s.jumpStep = 0;
        game.set("Form1.score.Caption", "0");
    }
};

constexpr int LX = 300;

TEST_F(Fireballs, DeadOnesStillBurnInLevelsSevenAndEightOnly) {
    startLevel();
    place(LX, 230);  // feet 30 below the top of a ball at y 200
    for (int level : {7, 8, 1}) {
        s.levelNumber = level;
        for (int slot : {7, 8, 9}) {
            reset();
            for (int i = 7; i <= 9; ++i) s.enemyX[i] = -5000;
            // Rolls into place within the frame, whatever its speed.
            ball(slot, LX - 6, 200, false);
            UpdateActors(app);
            const bool burns = (level == 7 && slot != 9) || level == 8;
            EXPECT_EQ(s.playerHurt, burns) << "level " << level << " slot " << slot;
            s.enemyX[slot] = -5000;
        }
    }
}

TEST_F(Fireballs, TheWholeBoxBurnsWithStrictEdges) {
    startLevel(8);
    struct Row {
        int dx, feet;  // player left edge and feet, from the ball's corner
        bool burns;
    };
    for (const Row& r :
         {Row{0, 0, false}, Row{0, 1, true}, Row{0, 34, true}, Row{0, 35, false},
          Row{-25, 20, false}, Row{-24, 20, true}, Row{34, 20, true}, Row{35, 20, false}}) {
        reset();
        ball(9, 1000, 200, false);
        place(1000 + r.dx, 200 + r.feet, 700);
        FireballContact(app, 9);
        EXPECT_EQ(s.playerHurt, r.burns) << r.dx << ", " << r.feet;
    }
}

TEST_F(Fireballs, LandingOnOneHurtsScoresAndBouncesInOneFrame) {
    startLevel();
    place(LX, 210);  // feet in the stomp band
    for (int level : {7, 8}) {
        s.levelNumber = level;
        reset();
        ball(7, LX - 9, 200, true);
        UpdateActors(app);
        EXPECT_TRUE(s.playerHurt) << level;
        EXPECT_FALSE(s.enemyAlive[7]) << level;
        EXPECT_TRUE(s.jumping) << level;
        EXPECT_EQ(s.jumpStep, 20) << level;
        EXPECT_EQ(f.score->caption, "10") << level;
        s.enemyX[7] = -5000;
    }
    // Level 7's slot 9 is an ordinary enemy: stomped safely.
    s.levelNumber = 7;
    reset();
    ball(9, LX - 3, 200, true);
    UpdateActors(app);
    EXPECT_FALSE(s.playerHurt);
    EXPECT_FALSE(s.enemyAlive[9]);
    EXPECT_EQ(f.score->caption, "10");
}

TEST(FireballOrder, LevelSevenBurnsBeforeThePairsAndLevelEightAfter) {
    using C = SlotContact;
    const auto order = [](int level) {
        const auto span = SlotContactsSevenToNine(level);
        return std::vector<C>(span.begin(), span.end());
    };
    EXPECT_EQ(order(7),
              (std::vector<C>{
                  {C::Fireball, 7}, {C::Fireball, 8}, {C::Pair, 7}, {C::Pair, 8}, {C::Pair, 9}}));
    EXPECT_EQ(order(8), (std::vector<C>{{C::Pair, 7},
                                        {C::Pair, 8},
                                        {C::Pair, 9},
                                        {C::Fireball, 7},
                                        {C::Fireball, 8},
                                        {C::Fireball, 9}}));
    for (int level : {1, 6, 9, 12})
        EXPECT_EQ(order(level), (std::vector<C>{{C::Pair, 7}, {C::Pair, 8}, {C::Pair, 9}}));
}

}  // namespace
}  // namespace kv

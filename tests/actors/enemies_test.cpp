// Walking enemies: turning at ground by the knees, speeds by level and slot, the hurt and stomp
// bands with their exact edges, and the slots a respawn brings back.
#include "actors/enemies.h"

#include <gtest/gtest.h>

#include <tuple>

#include "actors/update_actors.h"
#include "player/update_player.h"
#include "support/play_fixture.h"

namespace kv {
namespace {

struct Enemies : test::PlayFixture {
    // Slot i alive with its box at level (x, y).
    void enemy(int i, int x, int y, Dir d = Dir::Right) {
        s.enemyAlive[i] = true;
        s.enemyX[i] = x;
        s.enemyY[i] = y;
        s.enemyDir[i] = d;
    }
    void reset() {
        s.playerHurt = false;
        s.jumping = false;
        s.jumpStep = 0;
        game.set("Form1.score.Caption", "0");
    }
};

// The player stands with its left edge at level x 300 (screen 300, camera 0), W = 25.
constexpr int LX = 300;

TEST_F(Enemies, TurnWhereAKneePointMeetsGround) {
    mask.setPixel(1035, 230, test::Ground);  // right knee of an enemy at (1000, 200)
    mask.setPixel(800, 230, test::Ground);   // left knee of an enemy at (800, 200)
    mask.setPixel(636, 230, test::Ground);   // one past the right knee of an enemy at (600, 200)
    mask.setPixel(435, 229, test::Ground);   // one row above the knees of an enemy at (400, 200)
    startLevel();
    enemy(1, 1000, 200, Dir::None);  // never set walks right
    enemy(2, 800, 200, Dir::Left);
    enemy(3, 600, 200);
    enemy(4, 400, 200);
    s.enemyAlive[1] = false;  // the dead turn and walk all the same
    UpdateActors(app);
    EXPECT_EQ(s.enemyDir[1], Dir::Left);
    EXPECT_EQ(s.enemyX[1], 997);
    EXPECT_EQ(s.enemyDir[2], Dir::Right);
    EXPECT_EQ(s.enemyX[2], 803);
    EXPECT_EQ(s.enemyDir[3], Dir::Right);
    EXPECT_EQ(s.enemyX[3], 603);
    EXPECT_EQ(s.enemyDir[4], Dir::Right);
    EXPECT_EQ(s.enemyX[4], 403);
    // Clear of the ground the new direction holds.
    UpdateActors(app);
    EXPECT_EQ(s.enemyX[1], 994);
    EXPECT_EQ(s.enemyX[2], 806);
}

TEST_F(Enemies, BothKneesInGroundTremblesInPlace) {
    ground(980, 230, 80, 1);
    ground(1480, 230, 80, 1);
    startLevel(7);
    enemy(1, 1000, 200);
    enemy(7, 1500, 200);  // a fast slot in level 7
    for (int i = 0; i < 25; ++i) {
        UpdateActors(app);
        EXPECT_GE(s.enemyX[1], 997);
        EXPECT_LE(s.enemyX[1], 1003);
        EXPECT_GE(s.enemyX[7], 1491);
        EXPECT_LE(s.enemyX[7], 1509);
    }
}

TEST_F(Enemies, SpeedDependsOnLevelAndSlot) {
    startLevel();
    for (int level = 1; level <= 12; ++level) {
        s.levelNumber = level;
        for (int i = 1; i <= 10; ++i) enemy(i, 1000 + 100 * i, 0);
        UpdateActors(app);
        for (int i = 1; i <= 10; ++i) {
            const bool fast =
                (level == 7 && (i == 7 || i == 8)) || (level == 8 && i >= 7 && i <= 9);
            EXPECT_EQ(s.enemyX[i] - (1000 + 100 * i), fast ? 9 : 3)
                << "level " << level << " slot " << i;
        }
    }
}

TEST_F(Enemies, HorizontalContactEdgesAreStrict) {
    startLevel();
    place(LX, 230);  // feet at y + 30: inside the hurt band of an enemy at y 200
    for (const auto& [x, touch] :
         {std::pair{LX + 25, false}, {LX + 24, true}, {LX - 35, false}, {LX - 34, true}}) {
        reset();
        enemy(2, x, 200);
        EnemyContact(app, 2);
        EXPECT_EQ(s.playerHurt, touch) << "enemy at " << x;
    }
}

TEST_F(Enemies, VerticalBandsOfSlotsTwoToTen) {
    startLevel();
    struct Row {
        int feet;  // below the enemy's top
        bool hurt, stomp;
    };
    for (const Row& r :
         {Row{0, false, false}, Row{1, false, true}, Row{24, false, true}, Row{25, true, true},
          Row{26, true, false}, Row{34, true, false}, Row{35, false, false}}) {
        for (int slot : {2, 6, 10}) {
            reset();
            enemy(slot, LX, 200);
            place(LX, 200 + r.feet);
            EnemyContact(app, slot);
            EXPECT_EQ(s.playerHurt, r.hurt) << "slot " << slot << " feet +" << r.feet;
            EXPECT_EQ(!s.enemyAlive[slot], r.stomp) << "slot " << slot << " feet +" << r.feet;
            if (r.stomp) {
                EXPECT_TRUE(s.jumping);
                EXPECT_EQ(s.jumpStep, 20);
                EXPECT_EQ(f.score->caption, "10");
            } else {
                EXPECT_FALSE(s.jumping);
                EXPECT_EQ(f.score->caption, "0");
            }
            s.enemyAlive[slot] = false;
        }
    }
}

TEST_F(Enemies, SlotOneHasANarrowerHurtBand) {
    startLevel();
    for (const auto& [feet, hurt, stomp] : {std::tuple{25, false, true}, {26, true, false}}) {
        reset();
        enemy(1, LX, 200);
        place(LX, 200 + feet);
        EnemyContact(app, 1);
        EXPECT_EQ(s.playerHurt, hurt) << feet;
        EXPECT_EQ(!s.enemyAlive[1], stomp) << feet;
    }
}

TEST_F(Enemies, DeadEnemiesTouchNobody) {
    startLevel();
    enemy(3, LX, 200);
    s.enemyAlive[3] = false;
    for (int feet : {10, 30}) {
        reset();
        place(LX, 200 + feet);
        EnemyContact(app, 3);
        EXPECT_FALSE(s.playerHurt);
        EXPECT_FALSE(s.jumping);
        EXPECT_EQ(f.score->caption, "0");
    }
}

TEST_F(Enemies, TheyWalkBeforeTheContactTestsAndTwoStompsScoreTwenty) {
    startLevel();
    place(LX, 210);
    f.score->caption = "40";
    // Both start just out of reach to the right and walk left into it within the frame.
    enemy(3, LX + 27, 200, Dir::Left);
    enemy(4, LX + 27, 200, Dir::Left);
    UpdateActors(app);
    EXPECT_FALSE(s.enemyAlive[3]);
    EXPECT_FALSE(s.enemyAlive[4]);
    EXPECT_EQ(f.score->caption, "60");
    EXPECT_EQ(s.jumpStep, 20);
}

TEST_F(Enemies, FeetAtTwentyFiveBelowSlotTwoHurtAndStompInOneFrame) {
    startLevel();
    place(LX, 225);
    enemy(2, LX - 3, 200);  // walks 3 to the right first, then lies right under the player
    f.score->caption = "5";
    UpdateActors(app);
    EXPECT_TRUE(s.playerHurt);
    EXPECT_FALSE(s.enemyAlive[2]);
    EXPECT_TRUE(s.jumping);
    EXPECT_EQ(s.jumpStep, 20);
    EXPECT_EQ(f.score->caption, "15");
}

TEST_F(Enemies, ARespawnRevivesSlotSixInLevelThreeAndSlotNineInLevelSix) {
    startLevel();
    for (const auto& [level, revived] : {std::pair{3, 6}, {6, 9}, {1, 0}, {12, 0}}) {
        s.levelNumber = level;
        for (int i = 1; i <= 10; ++i) {
            s.enemyAlive[i] = false;
            s.enemyX[i] = 100 * i;
        }
        s.deathFall = true;
        s.playerY = 477;
        UpdatePlayer(app);
        ASSERT_FALSE(s.deathFall);
        for (int i = 1; i <= 10; ++i) {
            EXPECT_EQ(s.enemyAlive[i], i == revived) << "level " << level << " slot " << i;
            EXPECT_EQ(s.enemyX[i], 100 * i);  // revived where its walk has taken it
        }
    }
}

}  // namespace
}  // namespace kv

// Rising plants: each sinks and rises between its own limits with its pipe's mouth fixed, and bites
// with a square box that only the feet can enter, never twice in one hurt blink.
#include "actors/plants.h"

#include <gtest/gtest.h>

#include "actors/update_actors.h"
#include "player/animation_clock.h"
#include "player/update_player.h"
#include "support/play_fixture.h"

namespace kv {
namespace {

struct Plants : test::PlayFixture {
    void plant(int k, int x, int y, int height, Motion m) {
        s.plantX[k] = x;
        s.plantY[k] = y;
        s.plantHeight[k] = height;
        s.plantState[k] = m;
    }
};

TEST_F(Plants, EachCyclesBetweenItsOwnLimitsWithThePipeMouthFixed) {
    startLevel();
    for (int k = 1; k <= 5; ++k) plant(k, 1000 + 100 * k, 100, 50, Motion::None);
    for (int frame = 1; frame <= 46; ++frame) AdvancePlants(app);
    EXPECT_EQ(s.plantHeight[1], -42);
    EXPECT_EQ(s.plantState[1], Motion::Up);
    for (int frame = 1; frame <= 47; ++frame) AdvancePlants(app);
    EXPECT_EQ(s.plantHeight[1], 52);
    EXPECT_EQ(s.plantState[1], Motion::Down);

    // A full cycle, from one turn downwards to the next: the lower limits differ by plant.
    int lastTurn[6] = {}, cycle[6] = {};
    for (int frame = 1; frame <= 400; ++frame) {
        Motion before[6];
        for (int k = 1; k <= 5; ++k) before[k] = s.plantState[k];
        AdvancePlants(app);
        for (int k = 1; k <= 5; ++k) {
            ASSERT_EQ(s.plantY[k] + s.plantHeight[k], 150) << "plant " << k;
            if (before[k] != Motion::Down && s.plantState[k] == Motion::Down) {
                if (lastTurn[k]) cycle[k] = frame - lastTurn[k];
                lastTurn[k] = frame;
            }
        }
    }
    EXPECT_EQ(cycle[1], 94);
    EXPECT_EQ(cycle[2], 98);
    EXPECT_EQ(cycle[3], 94);
    EXPECT_EQ(cycle[4], 102);
    EXPECT_EQ(cycle[5], 94);
}

TEST_F(Plants, TheBiteIsASquareAsWideAsThePlantIsTallAndOnlyTheFeetCount) {
    startLevel();
    struct Row {
        int lx, feet, height;
        bool bites;
    };
    // Plant at (1000, 150); the player is 25 wide.
    for (const Row& r :
         {Row{976, 160, 20, true}, Row{975, 160, 20, false}, Row{1019, 160, 20, true},
          Row{1020, 160, 20, false},  // picture is 39
          Row{1000, 151, 20, true}, Row{1000, 150, 20, false}, Row{1000, 169, 20, true},
          Row{1000, 170, 20, false}, Row{1000, 150, 0, false}, Row{1000, 149, -4, false}}) {
        s.playerHurt = false;
        plant(3, 1000, 150, r.height, Motion::Up);
        place(r.lx, r.feet, 700);
        PlantContacts(app);
        EXPECT_EQ(s.playerHurt, r.bites) << r.lx << ", " << r.feet << ", height " << r.height;
    }
}

TEST_F(Plants, RisesThroughTheFeetOfAPlayerOnThePipeAndWaitsForTheBlinkToEnd) {
    ground(950, 200, 120, 60);  // the pipe, its mouth at y 200
    startLevel();
    plant(2, 1000, 210, -10, Motion::Up);
    place(1000, 196, 700);  // standing on the pipe
    const int lives = s.lives;
    int frames = 0;
    while (!s.playerHurt && frames < 40) {
        UpdatePlayer(app);
        UpdateActors(app);
        ++frames;
        ASSERT_EQ(feet(), 196);
    }
    // Safe until the plant stands 6 pixels out of the pipe: the feet are then inside its box.
    EXPECT_EQ(frames, 8);
    EXPECT_EQ(s.plantHeight[2], 6);

    // The blink takes one life however long the plant keeps biting.
    AnimationTick(app);
    EXPECT_EQ(s.lives, lives - 1);
    for (int tick = 2; tick <= 20; ++tick) {
        PlantContacts(app);
        AnimationTick(app);
    }
    EXPECT_FALSE(s.playerHurt);
    EXPECT_EQ(s.lives, lives - 1);
    PlantContacts(app);
    AnimationTick(app);
    EXPECT_EQ(s.lives, lives - 2);
}

}  // namespace
}  // namespace kv

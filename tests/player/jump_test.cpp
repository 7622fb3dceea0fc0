// Jumping, falling and landing against the collision mask, one UpdatePlayer at a time.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "game/key_handlers.h"
#include "player/collision_mask.h"
#include "player/update_player.h"
#include "support/play_fixture.h"

namespace kv {
namespace {

constexpr int Floor = 300;  // top row of a floor that reaches the bottom of the level

struct Jump : test::PlayFixture {
    void SetUp() override {
        PlayFixture::SetUp();
        ground(100, Floor, 1500, 346 - Floor);
    }
    // playerY after each of n frames.
    std::vector<int> run(int n) {
        std::vector<int> ys;
        for (int i = 0; i < n; ++i) {
            UpdatePlayer(app);
            ys.push_back(s.playerY);
        }
        return ys;
    }
    std::vector<int> steps(int from, const std::vector<int>& ys) {
        std::vector<int> d;
        for (int y : ys) {
            d.push_back(y - from);
            from = y;
        }
        return d;
    }
    // How far playerY moves in each of n frames.
    std::vector<int> moves(int n) {
        const int from = s.playerY;
        return steps(from, run(n));
    }
    bool atRest() const {
        const int lx = levelX(), y = feet();
        const bool four = GroundAt(app, lx + 3, y + 4) || GroundAt(app, lx + 22, y + 4);
        const bool two = GroundAt(app, lx + 3, y + 2) || GroundAt(app, lx + 22, y + 2);
        return four && !two;
    }
};

TEST_F(Jump, RisesFourteenToOneThenLevelThenFallsFasterAndLandsWhereItStarted) {
    startLevel();
    place(500, Floor - 4);
    UpdatePlayer(app);
    ASSERT_TRUE(s.onGround);
    ASSERT_EQ(feet(), Floor - 4);
    const int start = s.playerY;

    Form1KeyDown(app, keys::Space);
    ASSERT_TRUE(s.jumping);
    ASSERT_EQ(s.jumpStep, 15);
    const auto ys = run(32);
    const auto d = steps(start, ys);
    std::vector<int> arc;
    for (int k = 14; k >= 1; --k) arc.push_back(-k);
    arc.push_back(0);
    for (int k = 1; k <= 14; ++k) arc.push_back(k);
    EXPECT_EQ(std::vector<int>(d.begin(), d.begin() + 29), arc);
    EXPECT_EQ(*std::min_element(ys.begin(), ys.end()), start - 105);
    // Frame 30 falls 15 into the floor and takes that step back: the jump is over.
    EXPECT_EQ(ys[29], start);
    EXPECT_FALSE(s.jumping);
    EXPECT_EQ(ys[30], start);
    EXPECT_EQ(ys[31], start);
    EXPECT_TRUE(s.onGround);
}

TEST_F(Jump, LandingTakesBackTheLastStepThenFallsAndIsLiftedToRest) {
    startLevel();
    place(500, 232);
    s.jumping = true;
    s.jumpStep = 0;
    // Falls 1..10, then the 11th step sinks the feet and is taken back; without the jump the
    // figure drops 8 a frame and the sunk feet are lifted 2 a frame until ground is 4 below but
    // not 2 below the box.
    EXPECT_EQ(run(18), (std::vector<int>{201, 203, 206, 210, 215, 221, 228, 236, 245, 255, 255, 263,
                                         271, 269, 267, 265, 265, 265}));
    EXPECT_FALSE(s.jumping);
    EXPECT_TRUE(s.onGround);
    EXPECT_EQ(feet(), Floor - 3);
    EXPECT_TRUE(atRest());
}

TEST_F(Jump, RestsWithGroundFourBelowButNotTwo) {
    startLevel();
    for (int gap : {4, 3}) {
        place(500, Floor - gap);
        const int y = s.playerY;
        run(10);
        EXPECT_EQ(s.playerY, y) << gap;
        EXPECT_TRUE(s.onGround) << gap;
    }
    // Two below: sunk, lifted 2 once.
    place(500, Floor - 2);
    EXPECT_EQ(moves(3), (std::vector<int>{-2, 0, 0}));
    // Five below: the feet find nothing and the figure drops into the floor, then rises out.
    place(500, Floor - 5);
    EXPECT_EQ(moves(6), (std::vector<int>{8, -2, -2, -2, 0, 0}));
    EXPECT_EQ(feet(), Floor - 3);
}

TEST_F(Jump, EitherFootAloneHoldsTheFigure) {
    // Two posts one pixel wide: under the left foot probe (LX + 3) of a figure at 500, and
    // under the right one (LX + W - 3) of a figure at 900.
    ground(503, 200, 1, 146);
    ground(922, 200, 1, 146);
    startLevel();
    for (int lx : {500, 900}) {
        place(lx, 196);
        EXPECT_EQ(moves(3), (std::vector<int>{0, 0, 0})) << lx;
        EXPECT_TRUE(s.onGround) << lx;
        place(lx, 198);  // sunk in: lifted by the one foot
        EXPECT_EQ(moves(2), (std::vector<int>{-2, 0})) << lx;
        // A pixel to the side of the post and the figure falls.
        place(lx + 1, 196);
        EXPECT_EQ(moves(1), (std::vector<int>{8})) << lx;
    }
}

TEST_F(Jump, FallWithoutAJumpIsEightAFrame) {
    startLevel();
    place(500, 60);
    s.onGround = true;
    EXPECT_EQ(moves(12), std::vector<int>(12, 8));
    EXPECT_FALSE(s.onGround);
    EXPECT_FALSE(s.jumping);
}

TEST_F(Jump, HeadBumpEndsTheJumpAndTheFigureDrops) {
    ground(480, 200, 80, 31);  // a ceiling over rows 200..230
    startLevel();
    place(500, Floor - 4);
    UpdatePlayer(app);
    Form1KeyDown(app, keys::Space);
    const int start = s.playerY;  // 264
    // Up 14, 13, 12: the head is now inside the ceiling.
    EXPECT_EQ(run(3), (std::vector<int>{start - 14, start - 27, start - 39}));
    EXPECT_TRUE(s.jumping);
    // The bump: counter 0 then -1 moves the figure down 1, and gravity adds its 8.
    UpdatePlayer(app);
    EXPECT_FALSE(s.jumping);
    EXPECT_EQ(s.jumpStep, -1);
    EXPECT_EQ(s.playerY, start - 39 + 1 + 8);
    // A plain fall from there, then the lift out of the floor.
    EXPECT_EQ(moves(6), (std::vector<int>{8, 8, 8, 8, -2, 0}));
    EXPECT_EQ(s.playerY, start);
}

TEST_F(Jump, SpaceJumpsOnlyFromGroundAndNotInTheMiddleOfAJump) {
    startLevel();
    place(500, 100);
    UpdatePlayer(app);
    ASSERT_FALSE(s.onGround);
    app.windows.keyDown(keys::Space);
    EXPECT_FALSE(s.jumping);

    place(500, Floor - 4);
    UpdatePlayer(app);
    app.windows.keyDown(keys::Space);
    EXPECT_TRUE(s.jumping);
    run(3);
    // Even on ground, a running jump is not restarted.
    s.onGround = true;
    const int step = s.jumpStep;
    app.windows.keyDown(keys::Space);
    EXPECT_EQ(s.jumpStep, step);
}

TEST_F(Jump, AFastFallPassesThroughAThinStrip) {
    ground(400, 250, 300, 3);  // rows 250..252, well above the floor
    startLevel();
    place(500, 50);
    s.jumping = true;
    s.jumpStep = -20;
    std::vector<int> feetAfter;
    for (int i = 0; i < 9; ++i) {
        UpdatePlayer(app);
        feetAfter.push_back(feet());
    }
    // Only rows 2 and 4 below the box are probed: at 246 the feet touch the strip but have not
    // sunk in, and the next step of 29 carries them past it.
    EXPECT_EQ(feetAfter, (std::vector<int>{71, 93, 116, 140, 165, 191, 218, 246, 275}));
    EXPECT_TRUE(s.jumping);
}

}  // namespace
}  // namespace kv

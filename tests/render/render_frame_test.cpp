// Frame composition, checked pixel for pixel against the background with the expected figures
// laid over it: the life hearts, the shot at the edges of the view, the boss, the rolling
// fireballs of levels 7 and 8.
#include "render/render_frame.h"

#include <gtest/gtest.h>

#include "support/play_fixture.h"

namespace kv {
namespace {

struct Render : test::PlayFixture {
    void SetUp() override {
        PlayFixture::SetUp();
        // Stripes, so that a wrong source offset shows.
        background = Surface(1400, 346, test::Sky);
        for (int x = 0; x < 1400; x += 3) background.fillRect(x, 0, 1, 346, rgb(x % 256, 90, 40));
        startLevel();
        s.playerVisible = false;
        s.lives = 0;
        s.scrollX = 350;
    }
    // What the play screen holds with no figure at all.
    Surface plain() const {
        Surface screen(641, 345, rgb(255, 255, 255));
        blit(screen, 0, 0, 640, 346, background, s.scrollX, 0, Rop::Copy);
        return screen;
    }
    static void masked(Surface& screen, int x, int y, int w, int h, const PictureBox* mask,
                       const PictureBox* image) {
        blit(screen, x, y, w, h, *mask->shown(), 0, 0, Rop::And);
        blit(screen, x, y, w, h, *image->shown(), 0, 0, Rop::Paint);
    }
    const Surface& render() {
        RenderFrame(app);
        return f.all->image();
    }
};

TEST_F(Render, HeartsForThreeTwoAndOneLivesNoneOtherwise) {
    ASSERT_EQ(render(), plain());
    for (int lives : {3, 2, 1}) {
        s.lives = lives;
        Surface expected = plain();
        for (int i = 0; i < lives; ++i)
            masked(expected, 580 + 15 * i, 10, 13, 16, f.livew, f.liveb);
        ASSERT_NE(expected, plain());
        EXPECT_EQ(render(), expected) << lives << " lives";
    }
    for (int lives : {0, -1, 4}) {
        s.lives = lives;
        EXPECT_EQ(render(), plain()) << lives << " lives";
    }
}

TEST_F(Render, HeartsStandInTheTopRightCorner) {
    s.lives = 3;
    const Surface& screen = render();
    const Surface empty = plain();
    // Every changed pixel lies in x 580..622, y 10..25, and each heart changes some.
    int changed[3] = {};
    for (int y = 0; y < 345; ++y)
        for (int x = 0; x < 641; ++x) {
            if (screen.pixel(x, y) == empty.pixel(x, y)) continue;
            ASSERT_TRUE(x >= 580 && x <= 622 && y >= 10 && y <= 25) << x << "," << y;
            ++changed[(x - 580) / 15];
        }
    EXPECT_GT(changed[0], 20);
    EXPECT_GT(changed[1], 20);
    EXPECT_GT(changed[2], 20);
}

TEST_F(Render, ThePlayerIsDrawnFourPixelsBelowItsBox) {
    s.playerVisible = true;
    s.playerX = 100;
    s.playerY = 200;
    Surface expected = plain();
    masked(expected, 100, 204, 25, 32, f.normw, f.normb);
    EXPECT_EQ(render(), expected);
}

TEST_F(Render, TheShotIsDrawnInTheFrameItLeavesTheView) {
    s.shotActive = true;
    s.shotY = 150;

    // Moving right to scrollX + 640: still on, one column of it shows.
    s.shotSpeed = 10;
    s.shotX = s.scrollX + 630;
    Surface expected = plain();
    masked(expected, 640, 150, 12, 12, f.firerw, f.firerb);
    EXPECT_EQ(render(), expected);
    EXPECT_TRUE(s.shotActive);
    EXPECT_EQ(s.shotX, s.scrollX + 640);

    // One past: switched off (drawn where no column is left to show it).
    render();
    EXPECT_FALSE(s.shotActive);
    EXPECT_EQ(s.shotX, s.scrollX + 650);
    s.shotActive = true;
    s.shotX = s.scrollX + 631;
    EXPECT_EQ(render(), plain());
    EXPECT_FALSE(s.shotActive);
    EXPECT_EQ(s.shotX, s.scrollX + 641);
    // Switched off, it no longer moves nor shows.
    EXPECT_EQ(render(), plain());
    EXPECT_EQ(s.shotX, s.scrollX + 641);

    // Moving left past scrollX: switched off, and drawn once more at screen x -1.
    s.shotActive = true;
    s.shotSpeed = -10;
    s.shotX = s.scrollX + 9;
    expected = plain();
    masked(expected, -1, 150, 12, 12, f.firelw, f.firelb);
    ASSERT_NE(expected, plain());
    EXPECT_EQ(render(), expected);
    EXPECT_FALSE(s.shotActive);
    EXPECT_EQ(render(), plain());

    // Exactly at scrollX it stays on.
    s.shotActive = true;
    s.shotX = s.scrollX + 10;
    render();
    EXPECT_TRUE(s.shotActive);
}

TEST_F(Render, TheBossIsDrawnOnlyInLevelTwelve) {
    s.bossX = s.scrollX + 300;
    s.bossY = 100;
    for (int level : {1, 7, 11}) {
        s.levelNumber = level;
        EXPECT_EQ(render(), plain()) << "level " << level;
    }
    s.levelNumber = 12;
    Surface expected = plain();
    masked(expected, 300, 100, 34, 35, f.finallw, f.finallb);
    EXPECT_EQ(render(), expected);
    // Facing follows its direction only during the fight.
    s.bossDirection = Dir::Right;
    EXPECT_EQ(render(), expected);
    s.bossFight = true;
    expected = plain();
    masked(expected, 300, 100, 34, 35, f.finalrw, f.finalrb);
    EXPECT_EQ(render(), expected);
    // In a leap it shows its leaping pictures, still facing its way.
    s.bossJumping = true;
    expected = plain();
    masked(expected, 300, 100, 34, 35, f.finaljrw, f.finaljrb);
    EXPECT_EQ(render(), expected);
    s.bossDirection = Dir::None;
    expected = plain();
    masked(expected, 300, 100, 34, 35, f.finaljlw, f.finaljlb);
    EXPECT_EQ(render(), expected);
}

TEST_F(Render, RollingFireballsCoverSlotsSevenAndEightInLevelSevenAndNineInLevelEight) {
    for (int i = 6; i <= 9; ++i) {
        s.enemyAlive[i] = true;
        s.enemyX[i] = s.scrollX + 60 * i;
        s.enemyY[i] = 200;
    }
    auto withEnemies = [&](int fireballsUpTo, bool nineAlive) {
        Surface e = plain();
        for (int i = 6; i <= 9; ++i)
            if (i != 9 || nineAlive) masked(e, 60 * i, 200, 34, 35, f.enemyw, f.enemyb);
        for (int i = 7; i <= fireballsUpTo; ++i)
            blit(e, 60 * i, 200, 34, 35, *f.fireball->shown(), 0, 0, Rop::Copy);
        return e;
    };
    s.levelNumber = 1;
    EXPECT_EQ(render(), withEnemies(0, true));
    s.levelNumber = 7;
    EXPECT_EQ(render(), withEnemies(8, true));
    s.levelNumber = 8;
    EXPECT_EQ(render(), withEnemies(9, true));
    // Drawn whether the slot is alive or not.
    s.enemyAlive[9] = false;
    EXPECT_EQ(render(), withEnemies(9, false));
}

TEST_F(Render, StatsLabelsShowPlayerXAndScrollX) {
    s.playerX = 123;
    s.scrollX = 456;
    render();
    EXPECT_EQ(f.Label2->caption, "123");
    EXPECT_EQ(f.Label3->caption, "456");
}

}  // namespace
}  // namespace kv

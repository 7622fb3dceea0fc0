// SetupLevel on each of the twelve real levels: the key colours come from the mask file, the
// objects from the level's table, and what belongs to the running game is left alone.
#include "levels/setup_level.h"

#include <gtest/gtest.h>

#include <array>

#include "levels/level_folder.h"
#include "support/app_fixture.h"

namespace kv {
namespace {

using test::BmpPixels;

// Where everything of a level starts, written out here once more so that a wrong number in the
// game's own table shows. State: 'u' up, 'd' down, '-' left as it was.
struct Start {
    int x, y;
    char state = '-';
};
struct Level {
    Start player;
    std::array<Start, 5> plants;
    std::array<Start, 10> enemies;
};

// clang-format off
const std::array<Level, 12> kExpected{{
    {{60, 101}, {{{2013, 91}, {2460, 206}, {2745, 206}, {5350, 206}, {5550, 113}}},
     {{{280, 267}, {580, 267}, {1080, 267}, {1580, 267}, {1880, 267}, {3300, 118}, {4080, 267}, {5950, 267}, {5680, 267}, {5280, 267}}}},
    {{40, 240}, {{{510, 159}, {795, 157}, {2745, 206}, {2460, 206}, {4766, 191}}},
     {{{1000, 267}, {1100, 267}, {3200, 260}, {3250, 260}, {3900, 269}, {4000, 269}, {5700, 267}, {5800, 267}, {5900, 267}, {6000, 267}}}},
    {{60, 101}, {{{2595, 206}, {2460, 206}, {2745, 206}, {5332, 206}, {5190, 160}}},
     {{{580, 267}, {1270, 85}, {3080, 267}, {3350, 267}, {4450, 267}, {4700, 260}, {5700, 267}, {5800, 267}, {5900, 267}, {6000, 267}}}},
    {{50, 180}, {{{2450, 206}, {2740, 206}, {4380, 206}, {5332, 206}, {5880, 206}}},
     {{{1300, 267}, {1700, 267}, {2000, 267}, {2100, 267}, {2100, 133}, {5200, 260}, {5700, 267}, {5800, 267}, {6050, 267}, {6000, 267}}}},
    {{100, 50}, {{{2600, 205}, {2745, 205, 'u'}, {2810, 205, 'u'}, {2880, 205, 'd'}, {2800, -50}}},
     {{{200, 293}, {100, 293}, {300, 293}, {1650, 198}, {1700, 198}, {1750, 198}, {3200, 198}, {3150, 198}, {5700, 270}, {5850, 270}}}},
    {{50, 150}, {{{2410, 205}, {2287, 86, 'u'}, {2685, 86, 'u'}, {4560, 87, 'd'}, {4948, 86}}},
     {{{100, 267}, {200, 267}, {300, 267}, {1900, 197}, {1950, 197}, {2000, 197}, {2050, 197}, {5800, 267}, {5900, 267}, {6000, 267}}}},
    {{50, 100}, {{{1425, 210}, {3416, 243, 'u'}, {3538, 243, 'u'}, {3661, 243, 'd'}, {4115, 140}}},
     {{{1000, 229}, {900, 229}, {950, 229}, {1050, 229}, {4000, 260}, {3800, 260}, {2050, 73}, {3100, 210}, {6000, 262}, {6050, 262}}}},
    {{50, 180}, {{{2616, 48}, {3134, 167, 'u'}, {3408, 244, 'u'}, {3270, 167, 'd'}, {3796, 244}}},
     {{{100, 265}, {150, 265}, {1800, 226}, {1900, 226}, {4300, 182}, {4200, 182}, {1550, 27}, {1200, 130}, {1380, 76}, {3500, 260}}}},
    {{50, 180}, {{{4020, 152}, {4365, 113, 'u'}, {4645, 152, 'u'}, {4983, 113, 'd'}, {5115, 152}}},
     {{{100, 267}, {150, 267}, {400, 267}, {450, 267}, {1200, 267}, {1250, 267}, {1550, 267}, {1500, 267}, {4300, 192}, {4900, 192}}}},
    {{50, 180}, {{{3955, 206}, {4155, 113, 'u'}, {4360, 113, 'u'}, {4225, 174, 'd'}, {5110, 152}}},
     {{{100, 267}, {200, 267}, {500, 267}, {600, 267}, {2650, 266}, {3130, 265}, {4040, 267}, {4290, 267}, {4800, 267}, {5000, 267}}}},
    {{50, 180}, {{{2990, 187}, {3087, 89, 'u'}, {3825, 26, 'u'}, {4778, -6, 'd'}, {5678, 191}}},
     {{{100, 270}, {200, 270}, {300, 270}, {400, 270}, {1200, 100}, {1300, 100}, {2000, 100}, {2100, 100}, {3100, 268}, {3900, 77}}}},
    {{50, 180}, {{{2990, -80}, {3087, -80, 'u'}, {3825, -80, 'u'}, {4778, -80, 'd'}, {5678, -80}}},
     {{{100, 270}, {200, 270}, {300, 270}, {400, 270}, {2050, 216}, {2150, 216}, {2000, 216}, {2100, 216}, {3460, 176}, {3900, 83}}}},
}};
// clang-format on

// Plant motions before the level starts, each different from what any level sets in that slot.
constexpr std::array<Motion, 6> kMotionsBefore{Motion::None, Motion::Up, Motion::Down,
                                               Motion::None, Motion::Up, Motion::Down};

class SetupLevelOnRealLevels : public ::testing::TestWithParam<int> {};

TEST_P(SetupLevelOnRealLevels, TakesKeyColoursFromTheMaskAndObjectsFromTheTable) {
    const int level = GetParam();
    test::HeadlessGame game({.sysIni = test::PlainSettings});
    // SetupLevel reads only the .bmp copies; link them to the stored files.
    const std::string background = test::backgroundName(level), mask = test::maskName(level);
    test::linkReal(game.folder.path(), background + ".lev", background + ".bmp");
    test::linkReal(game.folder.path(), mask + ".lev", mask + ".bmp");
    game.openMainWindow();
    App& app = game.app;
    GameState& s = app.state;
    MainWindow& f = app.Form1;
    ASSERT_TRUE(f.isLoaded());

    s.levelNumber = level;
    // What the running game owns.
    s.lives = 2;
    f.score->caption = "1234";
    s.gameSeconds = 77;
    s.playerHurt = true;
    s.jumping = true;
    s.shotActive = true;
    s.shotX = 300;
    s.shotSpeed = 30;
    s.bossX = 5555;
    s.bossY = 111;
    s.bossDirection = Dir::Left;
    for (int i = 1; i <= 10; ++i) {
        s.enemyDir[i] = i % 2 ? Dir::Left : Dir::Right;
        s.enemyAlive[i] = i % 3 != 0;  // some were killed in the level before
        s.enemyX[i] = s.enemyY[i] = -999;
    }
    for (int i = 1; i <= 5; ++i) {
        s.plantState[i] = kMotionsBefore[i];
        s.plantX[i] = s.plantY[i] = -999;
        s.plantHeight[i] = 7;
    }
    // What SetupLevel sets.
    s.playerX = s.playerY = -999;
    s.jumpStep = 3;
    s.playerWidth = s.playerHeight = 0;
    s.framePeriod = 33;
    s.nextFrameTime = 0;
    s.groundColour = s.hazardColour = 123;
    s.bossGroundColour = 5;
    s.deathFall = true;
    s.frameCount = 55;
    s.speechStep = 9;
    s.bossSpeechArmed = false;
    s.blinkTicks = 3;
    s.scrollX = 999;
    s.walkDirection = Dir::Right;
    s.playerVisible = false;
    const auto tick = game.host.clock().ticks();

    SetupLevel(app);

    BmpPixels maskFile(test::realGrafix() / (mask + ".lev"));
    EXPECT_EQ(s.groundColour, maskFile.colour(0, 0));
    EXPECT_EQ(s.hazardColour, maskFile.colour(1, 1));
    EXPECT_EQ(s.bossGroundColour, s.groundColour);
    // The whole pictures are loaded, wide enough for the farthest scroll.
    ASSERT_TRUE(f.mask->shown() && f.picBack->shown());
    EXPECT_EQ(f.mask->shown()->width(), maskFile.width());
    EXPECT_EQ(f.mask->shown()->height(), maskFile.height());
    EXPECT_GE(f.picBack->shown()->width(), 6366);
    EXPECT_GE(f.picBack->shown()->height(), 346);
    EXPECT_EQ(f.mask->shown()->pixel(maskFile.width() - 1, maskFile.height() - 1),
              maskFile.colour(maskFile.width() - 1, maskFile.height() - 1));

    const Level& want = kExpected[level - 1];
    EXPECT_EQ(s.playerX, want.player.x);
    EXPECT_EQ(s.playerY, want.player.y);
    for (int i = 1; i <= 5; ++i) {
        const Start& p = want.plants[i - 1];
        EXPECT_EQ(s.plantX[i], p.x) << "plant " << i;
        EXPECT_EQ(s.plantY[i], p.y) << "plant " << i;
        EXPECT_EQ(s.plantHeight[i], 50) << "plant " << i;
        const Motion motion = p.state == 'u'   ? Motion::Up
                              : p.state == 'd' ? Motion::Down
                                               : kMotionsBefore[i];
        EXPECT_EQ(s.plantState[i], motion) << "plant " << i;
    }
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(s.enemyX[i], want.enemies[i - 1].x) << "enemy " << i;
        EXPECT_EQ(s.enemyY[i], want.enemies[i - 1].y) << "enemy " << i;
        EXPECT_TRUE(s.enemyAlive[i]) << "enemy " << i;
        EXPECT_EQ(s.enemyDir[i], i % 2 ? Dir::Left : Dir::Right) << "enemy " << i;
    }

    EXPECT_EQ(s.jumpStep, 10);
    EXPECT_EQ(s.playerWidth, 25);
    EXPECT_EQ(s.playerHeight, 32);
    EXPECT_EQ(s.nextFrameTime, tick + 33);
    EXPECT_FALSE(s.deathFall);
    EXPECT_EQ(s.frameCount, level == 1 ? 0 : 55);
    EXPECT_EQ(s.speechStep, level == 12 ? 0 : 9);
    EXPECT_EQ(s.bossSpeechArmed, level == 12);
    if (level >= 2) {
        EXPECT_EQ(s.blinkTicks, 20);
        EXPECT_EQ(s.scrollX, 0);
        EXPECT_EQ(s.walkDirection, Dir::None);
        EXPECT_TRUE(s.playerVisible);
    }

    // Carried over from the level before.
    EXPECT_EQ(s.lives, 2);
    EXPECT_EQ(f.score->caption, "1234");
    EXPECT_EQ(s.gameSeconds, 77);
    EXPECT_TRUE(s.playerHurt);
    EXPECT_TRUE(s.jumping);
    // The shot flies on by the one step of the first frame drawn.
    EXPECT_TRUE(s.shotActive);
    EXPECT_EQ(s.shotX, 330);
    EXPECT_EQ(s.bossX, 5555);
    EXPECT_EQ(s.bossY, 111);
    EXPECT_EQ(s.bossDirection, Dir::Left);
    EXPECT_EQ(s.levelNumber, level);
}

INSTANTIATE_TEST_SUITE_P(AllLevels, SetupLevelOnRealLevels, ::testing::Range(1, 13));

}  // namespace
}  // namespace kv

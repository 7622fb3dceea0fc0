// Collision-mask queries against a small level of our own, loaded the way the game loads any
// level: the two key pixels name the colours, colours compare exactly, outside reads -1.
#include "player/collision_mask.h"

#include <gtest/gtest.h>

#include <utility>

#include "levels/level_files.h"
#include "levels/level_folder.h"
#include "levels/setup_level.h"
#include "support/app_fixture.h"

namespace kv {
namespace {

constexpr Colour Sky = rgb(200, 200, 255);
constexpr Colour Ground = rgb(20, 160, 40);
constexpr Colour Hazard = rgb(230, 20, 90);
constexpr int Width = 40, Height = 12;

// Makes level 1 of the game out of `mask` and sets it up.
void setUpLevelOne(test::HeadlessGame& game, const Surface& mask) {
    test::writeTinyLevel(game.folder.path(), 1, mask);
    game.openMainWindow();
    game.app.state.levelNumber = 1;
    CopyLevelPictures(game.app, 1, false);
    SetupLevel(game.app);
}

TEST(CollisionMask, KeyPixelsNameTheColoursAndColoursCompareExactly) {
    Surface mask(Width, Height, Sky);
    mask.setPixel(0, 0, Ground);
    mask.setPixel(1, 1, Hazard);
    mask.fillRect(0, 8, Width, 4, Ground);  // floor
    mask.fillRect(10, 7, 4, 1, Hazard);     // spikes on it
    // Colours one step from a key in a single channel, and the ground with red and blue swapped.
    mask.setPixel(20, 5, Ground + 1);
    mask.setPixel(21, 5, Ground + 65536);
    mask.setPixel(22, 5, rgb(40, 160, 20));
    mask.setPixel(23, 5, Hazard - 256);
    mask.setPixel(24, 5, Hazard + 65536);

    test::HeadlessGame game({.sysIni = test::PlainSettings});
    setUpLevelOne(game, mask);
    const App& app = game.app;
    GameState& s = game.app.state;
    ASSERT_EQ(s.groundColour, Ground);
    ASSERT_EQ(s.hazardColour, Hazard);

    EXPECT_EQ(MaskColour(app, 0, 0), Ground);
    EXPECT_EQ(MaskColour(app, 1, 1), Hazard);
    EXPECT_EQ(MaskColour(app, 5, 5), Sky);
    EXPECT_EQ(MaskColour(app, Width - 1, Height - 1), Ground);
    // The key pixels collide like any other.
    EXPECT_TRUE(GroundAt(app, 0, 0));
    EXPECT_TRUE(HazardAt(app, 1, 1));
    EXPECT_TRUE(GroundAt(app, 5, 9));
    EXPECT_FALSE(HazardAt(app, 5, 9));
    EXPECT_TRUE(HazardAt(app, 11, 7));
    EXPECT_FALSE(GroundAt(app, 11, 7));
    EXPECT_FALSE(GroundAt(app, 5, 5));
    EXPECT_FALSE(HazardAt(app, 5, 5));
    for (int x = 20; x <= 24; ++x) {
        EXPECT_FALSE(GroundAt(app, x, 5)) << x;
        EXPECT_FALSE(HazardAt(app, x, 5)) << x;
    }

    // Outside the mask on every side: -1, which is neither key.
    const std::pair<int, int> outside[] = {{-1, 9},      {Width, 9},   {5, -1},     {5, Height},
                                           {-100, -100}, {1000000, 0}, {0, 1000000}};
    for (auto [x, y] : outside) {
        EXPECT_EQ(MaskColour(app, x, y), -1) << x << "," << y;
        EXPECT_FALSE(GroundAt(app, x, y)) << x << "," << y;
        EXPECT_FALSE(HazardAt(app, x, y)) << x << "," << y;
        EXPECT_FALSE(BossGroundAt(app, x, y)) << x << "," << y;
    }

    // The game-over fall makes nothing solid for the player; the boss keeps its footing.
    s.groundColour = 123;
    EXPECT_FALSE(GroundAt(app, 5, 9));
    EXPECT_TRUE(BossGroundAt(app, 5, 9));
}

TEST(CollisionMask, OneColourForBothKeysIsGroundAndHazardAtOnce) {
    constexpr Colour Lava = rgb(255, 96, 0);
    Surface mask(Width, Height, Sky);
    mask.setPixel(0, 0, Lava);
    mask.setPixel(1, 1, Lava);
    mask.fillRect(0, 8, Width, 4, Lava);
    mask.setPixel(3, 3, Ground);

    test::HeadlessGame game({.sysIni = test::PlainSettings});
    setUpLevelOne(game, mask);
    const App& app = game.app;
    EXPECT_EQ(app.state.groundColour, Lava);
    EXPECT_EQ(app.state.hazardColour, Lava);
    EXPECT_TRUE(GroundAt(app, 5, 9));
    EXPECT_TRUE(HazardAt(app, 5, 9));
    EXPECT_TRUE(GroundAt(app, 1, 1));
    EXPECT_TRUE(HazardAt(app, 0, 0));
    // A colour that keys nothing in this level is free space here.
    EXPECT_FALSE(GroundAt(app, 3, 3));
    EXPECT_FALSE(HazardAt(app, 3, 3));
    EXPECT_FALSE(GroundAt(app, 5, 5));
}

}  // namespace
}  // namespace kv

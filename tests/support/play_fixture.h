#pragma once
// Play on a level drawn by the test: a collision mask with ground and hazard exactly where a rule
// needs them, saved as a level's working copies and set up the way the game sets up a level.
// Plants are taken out and enemies laid dead far away, so only what a test brings back is there.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "base/bmp.h"
#include "levels/setup_level.h"
#include "support/app_fixture.h"

namespace kv::test {

inline constexpr Colour Ground = rgb(0, 120, 0);
inline constexpr Colour Hazard = rgb(220, 0, 0);
inline constexpr Colour Air = rgb(255, 255, 255);
inline constexpr Colour Sky = rgb(90, 160, 235);

struct PlayFixture : ::testing::Test {
    HeadlessGame game{{.sysIni = PlainSettings}};
    App& app = game.app;
    GameState& s = app.state;
    MainWindow& f = app.Form1;
    // Wide enough for a few screens; probes beyond it read -1, which is free space.
    Surface mask{2400, 346, Air};
    Surface background{640, 346, Sky};

    void SetUp() override {
        game.openMainWindow();
        ASSERT_TRUE(f.isLoaded());
        mask.setPixel(0, 0, Ground);
        mask.setPixel(1, 1, Hazard);
    }

    void ground(int x, int y, int w, int h) { mask.fillRect(x, y, w, h, Ground); }

    // Writes the background and mask as level N's ".bmp" copies and runs SetupLevel; play runs
    // from then on with the loading screen hidden.
    void startLevel(int level = 1) {
        s.levelNumber = level;
        const std::string n = std::to_string(level);
        saveBmp(background, game.path("\\grafix\\episode" + n + ".bmp"));
        saveBmp(mask, game.path("\\grafix\\episode" + n + "mask.bmp"));
        SetupLevel(app);
        ASSERT_EQ(s.groundColour, Ground);
        ASSERT_EQ(s.hazardColour, Hazard);
        s.inMainMenu = false;
        f.loading->visible = false;
        for (int i = 1; i <= 5; ++i) s.plantHeight[i] = 0;
        for (int i = 1; i <= 10; ++i) {
            s.enemyAlive[i] = false;
            s.enemyX[i] = -5000;
            s.enemyY[i] = 0;
        }
    }

    // The mask changed after the level was set up: the game reads the new one from now on.
    void remask() { f.mask->picture = std::make_shared<const Surface>(mask); }

    // The stored ".lev" files of a level, small: enough for a level change to copy and load.
    void storeLevelFiles(int level) {
        const std::string n = std::to_string(level);
        saveBmp(Surface(155, 141, rgb(40, 40, 40)), game.path("\\grafix\\e" + n + ".lev"));
        saveBmp(background, game.path("\\grafix\\episode" + n + ".lev"));
        saveBmp(mask, game.path("\\grafix\\episode" + n + "mask.lev"));
    }

    // The player's left edge at level x `lx` with the camera at `scroll`, the bottom of its box at
    // `feet`.
    void place(int lx, int feet, int scroll = 0) {
        s.scrollX = scroll;
        s.playerX = lx - scroll;
        s.playerY = feet - s.playerHeight;
    }
    int feet() const { return s.playerY + s.playerHeight; }
    int levelX() const { return s.playerX + s.scrollX; }
};

}  // namespace kv::test

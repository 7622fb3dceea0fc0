#include "levels/setup_level.h"

#include <memory>

#include "base/bmp.h"
#include "levels/level_files.h"
#include "levels/object_tables.h"
#include "render/render_frame.h"
#include "shell/app.h"
#include "shell/main_window.h"

namespace kv {
namespace {

void applyObjectTable(GameState& s, const LevelObjects& t) {
    s.playerX = t.playerX;
    s.playerY = t.playerY;
    for (int i = 1; i <= 5; ++i) {
        const PlantSlot& p = t.plants[i - 1];
        s.plantX[i] = p.x;
        s.plantY[i] = p.y;
        s.plantHeight[i] = 50;
        if (p.state == PlantStart::Up) s.plantState[i] = Motion::Up;
        if (p.state == PlantStart::Down) s.plantState[i] = Motion::Down;
    }
    for (int i = 1; i <= 10; ++i) {
        s.enemyAlive[i] = true;
        s.enemyX[i] = t.enemies[i - 1].x;
        s.enemyY[i] = t.enemies[i - 1].y;
    }
}

}  // namespace

void SetupLevel(App& app) {
    GameState& s = app.state;
    MainWindow& f = app.windows.loaded(app.Form1);
    const int n = s.levelNumber;

    f.picBack->release();
    f.mask->release();
    f.picBack->picture = std::make_shared<const Surface>(LoadLevelPicture(app, "episode", n));
    f.mask->picture = std::make_shared<const Surface>(LoadLevelPicture(app, "mask", n));

    if (n >= 1 && n <= kLevelCount) applyObjectTable(s, kLevelObjects[n - 1]);

    s.jumpStep = 10;
    s.playerWidth = f.normw->width;
    s.playerHeight = f.normw->height;
    s.nextFrameTime = app.host.clock().ticks() + s.framePeriod.millis();
    s.groundColour = f.mask->shown()->pixel(0, 0);
    s.hazardColour = f.mask->shown()->pixel(1, 1);
    s.deathFall = false;
    // Level 1 too: a second game must not begin where the camera of the last one stopped.
    s.blinkTicks = 20;
    s.scrollX = 0;
    s.walkDirection = Dir::None;
    s.playerVisible = true;
    if (n == 1) s.frameCount = 0;
    if (n == 12) {
        s.speechStep = 0;
        s.bossSpeechArmed = true;
    }
    s.bossGroundColour = s.groundColour;

    RenderFrame(app);
}

}  // namespace kv

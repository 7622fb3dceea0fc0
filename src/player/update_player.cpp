#include "player/update_player.h"

#include "actors/boss.h"
#include "actors/enemies.h"
#include "actors/plants.h"
#include "levels/game_over.h"
#include "player/collision_mask.h"
#include "shell/app.h"
#include "shell/main_window.h"

namespace kv {
namespace {

void jumpStep(App& app) {
    GameState& s = app.state;
    const int lx = playerLevelX(s);
    if (GroundAt(app, lx + 3, s.playerY) || GroundAt(app, lx + s.playerWidth - 3, s.playerY)) {
        s.jumping = false;
        s.jumpStep = 0;
    }
    --s.jumpStep;
    s.playerY -= s.jumpStep;
}

void respawn(App& app) {
    GameState& s = app.state;
    MainWindow& f = app.windows.loaded(app.Form1);
    f.normw->picture = f.lw1->picture;
    f.normb->picture = f.lb1->picture;
    if (s.lives == -1) ShowEndOfGame(app);
    s.playerVisible = true;
    s.playerHurt = false;
    s.jumpStep = 10;
    s.playerX = 60;
    s.playerY = 101;
    s.scrollX = 0;
    s.deathFall = false;
    f.keyPreview = true;
    ReviveAfterRespawn(app);
}

void groundStep(App& app) {
    GameState& s = app.state;
    const int lx = playerLevelX(s);
    const int left = lx + 3, right = lx + s.playerWidth - 3, feet = s.playerY + s.playerHeight;
    if (GroundAt(app, left, feet + 4) || GroundAt(app, right, feet + 4)) {
        s.onGround = true;
        if (GroundAt(app, left, feet + 2) || GroundAt(app, right, feet + 2)) {
            if (s.jumping) {
                s.jumping = false;
                s.playerY += s.jumpStep;
            } else {
                s.playerY -= 2;
            }
        }
    } else {
        if (!s.jumping) s.playerY += 8;
        s.onGround = false;
    }
}

}  // namespace

void UpdatePlayer(App& app) {
    GameState& s = app.state;
    AdvancePlants(app);
    if (s.jumping) jumpStep(app);
    BossJumpStep(app);
    if (s.deathFall) {
        s.playerY += 4;
        if (s.playerY > 480) respawn(app);
    } else {
        groundStep(app);
    }
}

}  // namespace kv

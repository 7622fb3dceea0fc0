#include "levels/life_and_level.h"

#include "actors/boss.h"
#include "levels/game_over.h"
#include "levels/level_change.h"
#include "player/collision_mask.h"
#include "player/walking.h"
#include "shell/app.h"
#include "shell/main_window.h"

namespace kv {
namespace {

void showDead(MainWindow& f) {
    f.normb->picture = f.db->picture;
    f.normw->picture = f.dw->picture;
}

}  // namespace

bool TouchesHazard(const App& app) {
    const GameState& s = app.state;
    const int lx = playerLevelX(s);
    const int probeY = s.playerY + s.playerHeight - 5;
    const bool left = HazardAt(app, lx - 4, probeY);
    const bool right = HazardAt(app, lx + s.playerWidth + 3, probeY);
    return left || right;
}

void UpdateLifeAndLevel(App& app) {
    GameState& s = app.state;
    MainWindow& f = app.windows.loaded(app.Form1);

    if (s.lives == -1 && !s.gameOverFall) {
        s.walkDirection = Dir::None;
        f.keyPreview = false;
        f.Timer1->setEnabled(false);
        f.Timer2->setEnabled(false);
        s.playerHurt = false;
        s.playerVisible = true;
        showDead(f);
        s.gameOverFall = true;
        s.jumping = true;
        s.jumpStep = 30;
        // No mask uses this colour: nothing is solid during the last fall.
        s.groundColour = 123;
    }

    if (s.gameOverFall && s.playerY > 480) {
        s.gamePaused = true;
        FinishGame(app);
    }

    // Both probes are read on every call, also during a death fall.
    const bool hazard = TouchesHazard(app);
    if (!s.deathFall && hazard) {
        f.keyPreview = false;
        s.deathFall = true;
        s.jumping = true;
        s.jumpStep = 30;
        showDead(f);
        s.walkDirection = Dir::None;
        --s.lives;
    }

    BossSpeechTrigger(app);

    if (s.walkDirection == Dir::Left) WalkLeft(app);
    if (s.walkDirection == Dir::Right && WalkRight(app)) CompleteLevel(app);
}

void RefillLives(App& app) {
    app.state.lives = 3;
}

}  // namespace kv

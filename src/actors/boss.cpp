#include "actors/boss.h"

#include "player/collision_mask.h"
#include "render/score.h"
#include "shell/app.h"
#include "shell/main_window.h"

namespace kv {
namespace {

// The shot's 12 x 12 box against the boss's 35 x 35.
bool shotHits(const GameState& s) {
    return s.shotActive && s.shotX + 12 > s.bossX && s.shotX < s.bossX + 35 &&
           s.shotY + 12 > s.bossY && s.shotY < s.bossY + 35;
}

void beaten(App& app) {
    GameState& s = app.state;
    MainWindow& f = app.windows.loaded(app.Form1);
    for (Timer* t : {f.Timer1, f.Timer2, f.Timer3, f.Timer5}) t->setEnabled(false);
    s.gamePaused = true;
    s.bossFight = true;
    s.walkDirection = Dir::None;
    s.bossDirection = Dir::None;
    s.speechStep = 1;
    f.finaltext->visible = true;
}

}  // namespace

void BossStep(App& app) {
    GameState& s = app.state;
    MainWindow& f = app.windows.loaded(app.Form1);

    // A shot flies on through the boss and hurts it in every frame it overlaps.
    if (shotHits(s)) {
        f.finallife->width -= 5;
        AddScore(app, 10);
    }
    if (f.finallife->width < 10) beaten(app);

    // Walls turn the boss, and so does straying left of its arena.
    if (BossGroundAt(app, s.bossX, s.bossY + 30) || BossGroundAt(app, s.bossX + 35, s.bossY + 30) ||
        s.bossX < 5000)
        s.bossDirection = s.bossDirection == Dir::Left ? Dir::Right : Dir::Left;
    if (s.bossDirection == Dir::Left) s.bossX -= 10;
    if (s.bossDirection == Dir::Right) s.bossX += 10;

    // The player counts as a 35-pixel square here, whatever its figure.
    const int lx = playerLevelX(s);
    if (lx + 35 > s.bossX && lx < s.bossX + 35 && s.playerY + 35 > s.bossY &&
        s.playerY + 35 < s.bossY + 36)
        s.playerHurt = true;
}

void BossJumpStep(App& app) {
    GameState& s = app.state;
    if (!s.bossJumping) return;
    if (BossGroundAt(app, s.bossX, s.bossY + 35 - s.bossJumpStep)) s.bossJumping = false;
    // The step runs once more in the frame that lands, so the boss settles a little lower.
    if (BossGroundAt(app, s.bossX, s.bossY)) {
        s.bossY += s.bossJumpStep;
    } else {
        --s.bossJumpStep;
        s.bossY -= s.bossJumpStep;
    }
}

void BossSpeechTrigger(App& app) {
    GameState& s = app.state;
    if (playerLevelX(s) > 5800 && !s.bossFight && s.levelNumber == 12 && s.speechStep == 0 &&
        s.bossSpeechArmed) {
        s.gamePaused = true;
        s.speechStep = 0;
        app.windows.loaded(app.Form1).Picture3->visible = true;
    }
}

void StartBossFight(App& app) {
    GameState& s = app.state;
    MainWindow& f = app.windows.loaded(app.Form1);
    if (s.speechStep != 0 || !f.Picture3->visible) return;
    s.lives = 3;
    s.gamePaused = false;
    s.bossFight = true;
    f.Timer5->setEnabled(true);
    f.keyPreview = true;
    f.Picture3->visible = false;
    s.speechStep = 0;
    s.speechShade = 255;
}

}  // namespace kv

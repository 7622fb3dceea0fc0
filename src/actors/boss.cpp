#include "actors/boss.h"

#include "shell/app.h"
#include "shell/main_window.h"

namespace kv {

// The boss fight is built in a later step; the boss stands where the level put it.
void BossStep(App& /*app*/) {}

void BossJumpStep(App& /*app*/) {}

void BossSpeechTrigger(App& /*app*/) {}

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

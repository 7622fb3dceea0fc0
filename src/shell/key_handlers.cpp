#include "shell/key_handlers.h"

#include "actors/fireballs.h"
#include "levels/game_over.h"
#include "shell/app.h"

namespace kv {

void Form1KeyDown(App& app, int key) {
    GameState& s = app.state;
    MainWindow& f = app.loaded(app.Form1);

    // The tests are independent: one press may satisfy several of them.
    if (key == keys::Esc) {
        if (!s.gamePaused) {
            s.gamePaused = true;
            f.Timer1->setEnabled(false);
            f.Timer2->setEnabled(false);
            f.menu->width = 0;
            f.menu->height = 0;
            f.Picture5->top = 100;
            f.Picture6->top = -30;
            f.Picture7->left = 200;
            f.Picture8->left = -73;
            f.menu->visible = true;
        } else {
            s.gamePaused = false;
            f.Timer1->setEnabled(true);
            f.Timer2->setEnabled(true);
            f.menu->visible = false;
        }
    }
    if (s.speechStep == 0 && f.Picture3->visible && key == keys::Space) {
        s.lives = 3;
        s.gamePaused = false;
        s.bossFight = true;
        f.Timer5->setEnabled(true);
        f.keyPreview = true;
        f.Picture3->visible = false;
        s.speechStep = 0;
        s.speechShade = 255;
    }
    if (key == keys::S) s.hudShown = !s.hudShown;
    if (key == keys::Left) s.walkDirection = Dir::Left;
    if (key == keys::Right) s.walkDirection = Dir::Right;
    if (s.speechStep == 1 && key == keys::Space && f.finaltext->visible) s.speechStep = 2;
    if (s.speechStep == 3 && key == keys::Space && f.finaltext->visible) FinishGame(app);
    if (key == keys::Space && !s.jumping && s.onGround) {
        s.jumping = true;
        s.jumpStep = 15;
    }
}

void Form1KeyUp(App& app, int key) {
    GameState& s = app.state;
    MainWindow& f = app.loaded(app.Form1);
    if (key == keys::I) s.lives = 3;
    if (key == keys::Ctrl && s.bossFight && !s.shotActive) ThrowShot(app);
    if (key == keys::Add) --s.framePeriod;
    if (key == keys::Subtract) ++s.framePeriod;
    if (key == keys::Left) {
        s.walkDirection = Dir::None;
        s.facing = Dir::Left;
    }
    if (key == keys::Right) {
        s.walkDirection = Dir::None;
        s.facing = Dir::Right;
    }
    f.Label5->caption = s.framePeriod.toText();
}

}  // namespace kv

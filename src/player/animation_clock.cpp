#include "player/animation_clock.h"

#include "shell/app.h"
#include "shell/main_window.h"

namespace kv {
namespace {

// "Shows" is identity of the picture, not equal pixels.
bool shows(const PictureBox& box, const PictureBox& frame) {
    return box.picture == frame.picture;
}

void alternate(PictureBox& box, const PictureBox& first, const PictureBox& second) {
    box.picture = shows(box, first) ? second.picture : first.picture;
}

}  // namespace

void AnimationTick(App& app) {
    GameState& s = app.state;
    MainWindow& f = app.windows.loaded(app.Form1);

    if (!s.deathFall) {
        if (s.walkDirection == Dir::Left) {
            alternate(*f.normw, *f.lw1, *f.lw2);
            alternate(*f.normb, *f.lb1, *f.lb2);
        } else if (s.walkDirection == Dir::Right) {
            alternate(*f.normw, *f.rw1, *f.rw2);
            alternate(*f.normb, *f.rb1, *f.rb2);
        } else if (s.facing == Dir::Left) {
            f.normw->picture = f.nlw->picture;
            f.normb->picture = f.nlb->picture;
        } else {
            f.normw->picture = f.nrw->picture;
            f.normb->picture = f.nrb->picture;
        }
    } else {
        s.facing = Dir::Right;
        f.normb->picture = f.db->picture;
        f.normw->picture = f.dw->picture;
    }

    switch (s.levelNumber) {
        case 1:
        case 2:
            alternate(*f.kytka, *f.ko, *f.kc);
            break;
        case 3:
        case 4:
        case 7:
        case 8:
            s.spriteVariant = 1;
            alternate(*f.kytka, *f.kob, *f.kcb);
            break;
        case 5:
        case 6:
        case 9:
        case 10:
        case 11:
            s.spriteVariant = 0;
            alternate(*f.kytka, *f.ko, *f.kc);
            break;
        default:
            break;
    }

    if (s.playerHurt) {
        if (s.hurtLifePending) {
            --s.lives;
            s.hurtLifePending = false;
        }
        s.playerVisible = !s.playerVisible;
        if (--s.blinkTicks == 0) {
            s.blinkTicks = 20;
            s.playerVisible = true;
            s.playerHurt = false;
            s.hurtLifePending = true;
        }
    }

    const int v = s.spriteVariant == 1 ? 1 : 0;
    if (shows(*f.enemyw, *f.enemylw)) {
        f.enemyw->picture = f.enemyrw->picture;
        f.enemyb->picture = f.enemyrb[v]->picture;
    } else {
        f.enemyw->picture = f.enemylw->picture;
        f.enemyb->picture = f.enemylb[v]->picture;
    }
}

}  // namespace kv

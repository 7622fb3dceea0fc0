#include "player/walking.h"

#include "player/collision_mask.h"
#include "shell/app.h"
#include "shell/main_window.h"

namespace kv {

void WalkLeft(App& app) {
    GameState& s = app.state;
    const int lx = playerLevelX(s);
    if (GroundAt(app, lx - 5, s.playerY + s.playerHeight - 5)) return;
    const int band = s.bossFight ? 300 : 200;
    if (s.scrollX > 5) {
        if (s.playerX < band)
            s.scrollX -= 7;
        else
            s.playerX -= 7;
    } else if (s.playerX >= 5) {
        s.playerX -= 7;
    }
}

bool WalkRight(App& app) {
    GameState& s = app.state;
    const int lx = playerLevelX(s);
    if (GroundAt(app, lx + s.playerWidth + 4, s.playerY + s.playerHeight - 5)) return false;
    const int band = s.bossFight ? 340 : 400;
    if (s.scrollX < 5720) {
        if (s.playerX > band)
            s.scrollX += 7;
        else
            s.playerX += 7;
        return false;
    }
    // There is no level after the last one: its end is left through the boss, not on foot.
    if (s.playerX > 580 && !app.Form1.loading->visible && s.levelNumber < 12) return true;
    s.playerX += 7;
    return false;
}

}  // namespace kv

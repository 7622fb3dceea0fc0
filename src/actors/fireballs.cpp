#include "actors/fireballs.h"

#include "shell/app.h"

namespace kv {

// A rolling fireball burns on any touch, alive or not: stomping one only clears its flag.
void FireballContact(App& app, int i) {
    GameState& s = app.state;
    const int lx = playerLevelX(s);
    const int feet = s.playerY + s.playerHeight;
    const int x = s.enemyX[i], y = s.enemyY[i];
    if (lx + s.playerWidth > x && lx < x + 35 && feet > y && feet < y + 35 && !s.playerHurt)
        s.playerHurt = true;
}

void ThrowShot(App& app) {
    if (!app.state.bossFight || app.state.shotActive) return;
}

}  // namespace kv

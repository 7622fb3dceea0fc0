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
    GameState& s = app.state;
    if (!s.bossFight || s.shotActive) return;
    // Walking decides the way; standing, the way the player last walked. Never having walked,
    // the player has no way to throw.
    const Dir way = s.walkDirection != Dir::None ? s.walkDirection : s.facing;
    if (way == Dir::None) return;
    const int lx = playerLevelX(s);
    s.shotX = way == Dir::Left ? lx : lx + 35;
    s.shotY = s.playerY + 10;
    s.shotSpeed = way == Dir::Left ? -30 : 30;
    s.shotActive = true;
}

void MoveShot(App& app) {
    GameState& s = app.state;
    s.shotX += s.shotSpeed;
    // It flies until it leaves the 640 pixels in view; the camera may move meanwhile.
    if (s.shotX < s.scrollX || s.shotX > s.scrollX + 640) s.shotActive = false;
}

}  // namespace kv

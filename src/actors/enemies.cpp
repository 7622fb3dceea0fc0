#include "actors/enemies.h"

#include "player/collision_mask.h"
#include "render/score.h"
#include "shell/app.h"

namespace kv {

void TurnEnemies(App& app) {
    GameState& s = app.state;
    for (int i = 1; i <= 10; ++i) {
        const bool left = GroundAt(app, s.enemyX[i], s.enemyY[i] + 30);
        const bool right = GroundAt(app, s.enemyX[i] + 35, s.enemyY[i] + 30);
        if (left || right) s.enemyDir[i] = s.enemyDir[i] == Dir::Left ? Dir::Right : Dir::Left;
    }
}

int EnemySpeed(int level, int slot) {
    if ((level == 7 || level == 8) && (slot == 7 || slot == 8)) return 9;
    if (level == 8 && slot == 9) return 9;
    return 3;
}

void WalkEnemies(App& app) {
    GameState& s = app.state;
    for (int i = 1; i <= 10; ++i) {
        const int speed = EnemySpeed(s.levelNumber, i);
        // Any direction but "left", unset included, walks right.
        s.enemyX[i] += s.enemyDir[i] == Dir::Left ? -speed : speed;
    }
}

void EnemyContact(App& app, int i) {
    GameState& s = app.state;
    const int lx = playerLevelX(s);
    const int feet = s.playerY + s.playerHeight;
    const int x = s.enemyX[i], y = s.enemyY[i];
    const int band = i == 1 ? 25 : 24;
    auto overlaps = [&] { return lx + s.playerWidth > x && lx < x + 35; };
    if (s.enemyAlive[i] && overlaps() && feet > y + band && feet < y + 35) s.playerHurt = true;
    if (s.enemyAlive[i] && overlaps() && feet > y && feet < y + 26) {
        s.enemyAlive[i] = false;
        s.jumping = true;
        s.jumpStep = 20;
        AddScore(app, 10);
    }
}

void ReviveAfterRespawn(App& app) {
    GameState& s = app.state;
    if (s.levelNumber == 3) s.enemyAlive[6] = true;
    if (s.levelNumber == 6) s.enemyAlive[9] = true;
}

}  // namespace kv

#include "enemy_walk.h"

#include <algorithm>

#include "geometry.h"

namespace kv::levelc {

EnemyWalk walkEnemy(const TerrainMap& t, const EnemySlot& e, int speed) {
    EnemyWalk out;
    const int knee = e.y + kEnemyKnee;
    for (int dir : {1, -1}) {
        int x = e.x, d = dir;
        // Long enough to cross the level both ways: the walk has then repeated itself.
        for (int frame = 0; frame < 2 * t.width() / speed + 20; ++frame) {
            if (t.ground(x, knee) || t.ground(x + kEnemySize, knee)) d = -d;
            x += d * speed;
            out.xs.push_back(x);
            if (x < -kEnemySize || x > t.width()) {
                out.escapesTo = dir;
                return out;
            }
        }
    }
    std::sort(out.xs.begin(), out.xs.end());
    out.xs.erase(std::unique(out.xs.begin(), out.xs.end()), out.xs.end());
    return out;
}

}  // namespace kv::levelc

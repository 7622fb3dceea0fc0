#include "safe_start.h"

#include <algorithm>
#include <string>

#include "enemy_walk.h"
#include "geometry.h"
#include "level_error.h"

namespace kv::levelc {
namespace {

constexpr int W = kPlayerWidth;
constexpr int H = kPlayerHeight;

// Feet on their way to rest meet the band of rows strictly between top and bottom.
bool feetMeet(const Rest& r, int top, int bottom) {
    return r.minFeet < bottom && r.maxFeet > top;
}

void checkSpot(const LevelMap& map, const TerrainMap& t, const LevelObjects& objects, int x, int y,
               const std::string& where) {
    const std::optional<Rest> rest = restFrom(t, x, y);
    if (!rest) return;  // the rule that the player stands over ground says why
    auto fail = [&](const std::string& who) {
        throw LevelError(map.fileName, {rest->x, rest->feet},
                         who + " the player standing " + where + ": keep the spot out of its way");
    };
    for (int i = 0; i < 10; ++i) {
        const EnemySlot& e = objects.enemies[i];
        const int slot = i + 1;
        const bool fireball = isRollingFireball(map.number, slot);
        // Stomp and hurt bands together: any touch moves the player or costs a life.
        if (!feetMeet(*rest, e.y, e.y + kEnemySize)) continue;
        for (int ex : walkEnemy(t, e, fireball ? 9 : 3).xs)
            if (rest->x + W > ex && rest->x < ex + kEnemySize)
                fail((fireball ? "fireball " : "enemy ") + std::to_string(slot) +
                     (fireball ? " rolls into" : " walks into"));
    }
    for (int k = 0; k < 5; ++k) {
        const PlantSlot& p = objects.plants[k];
        // At its tallest the plant bites a square of its height from its pipe's mouth up.
        const int mouth = p.y + kPlantHeight;
        if (rest->x + W > p.x && rest->x < p.x + kPlantRise &&
            feetMeet(*rest, mouth - kPlantRise, mouth))
            fail("plant " + std::to_string(k + 1) + " rises into");
    }
}

}  // namespace

std::optional<Rest> restFrom(const TerrainMap& t, int x, int y) {
    Rest r{x, y + H, y + H, y + H};
    for (int frame = 0; frame < 2 * t.height(); ++frame) {
        if (t.ground(x + 3, y + H + 4) || t.ground(x + W - 3, y + H + 4)) {
            if (!t.ground(x + 3, y + H + 2) && !t.ground(x + W - 3, y + H + 2)) {
                r.feet = y + H;
                return r;
            }
            y -= 2;
        } else {
            y += 8;
        }
        r.minFeet = std::min(r.minFeet, y + H);
        r.maxFeet = std::max(r.maxFeet, y + H);
        if (y > t.height()) return std::nullopt;
    }
    return std::nullopt;
}

void checkSafeStarts(const LevelMap& map, const TerrainMap& t, const LevelObjects& objects) {
    checkSpot(map, t, objects, objects.playerX, objects.playerY, "at the start");
    checkSpot(map, t, objects, kRespawnX, kRespawnY, "after a respawn");
}

}  // namespace kv::levelc

#include "rules.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "enemy_walk.h"
#include "geometry.h"
#include "level_error.h"
#include "overhang.h"
#include "reach.h"
#include "safe_start.h"
#include "terrain_map.h"

namespace kv::levelc {
namespace {

constexpr int W = kPlayerWidth;
constexpr int H = kPlayerHeight;

struct Checker {
    const LevelMap& map;
    const LevelPictures& pictures;
    const LevelObjects& objects;
    TerrainMap terrain;

    [[noreturn]] void fail(int x, int y, const std::string& what) const {
        throw LevelError(map.fileName, {x, y}, what);
    }

    Colour backdrop() const { return isDarkLevel(map.number) ? kDarkSky : kLightSky; }

    void sky() const {
        if (!isLightLevel(map.number) && !isDarkLevel(map.number)) return;
        const Colour want = backdrop();
        if (map.colour("sky") != want || map.hasProperty("skyBottom"))
            throw LevelError(map.fileName, std::string("level ") + std::to_string(map.number) +
                                               " needs a flat " +
                                               (isDarkLevel(map.number) ? "black" : "#70B0F0") +
                                               " sky: its plants are drawn on that backdrop");
    }

    // A fall straight down from (x, y): lands on visible ground, or meets the hazard.
    void standsOverGround(int x, int y, const std::string& who) const {
        if (terrain.ground(x + 3, y) || terrain.ground(x + W - 3, y) ||
            terrain.ground(x + 3, y + H - 5) || terrain.ground(x + W - 3, y + H - 5))
            fail(x, y, who + " starts inside the ground");
        for (int fy = y; fy <= terrain.height(); fy += 8) {
            if (terrain.hazard(x - 4, fy + H - 5) || terrain.hazard(x + W + 3, fy + H - 5))
                fail(x, fy, who + " falls into the hazard instead of standing on ground");
            if (terrain.ground(x + 3, fy + H + 4) || terrain.ground(x + W - 3, fy + H + 4)) {
                if (fy + H > kScreenHeight) fail(x, fy, who + " lands below the screen");
                return;
            }
        }
        fail(x, y, who + " has no ground below");
    }

    // The game-over fall restarts at the respawn point with nothing solid; it must not touch
    // the hazard there, or the fall would never end.
    void respawnColumnClear() const {
        for (int x : {kRespawnX - 4, kRespawnX + W + 3})
            for (int y = 0; y < terrain.height(); ++y)
                if (terrain.hazard(x, y))
                    fail(x, y, "hazard below the respawn point: the game-over fall would not end");
    }

    void plants() const {
        for (int k = 0; k < 5; ++k) {
            const PlantSlot& p = objects.plants[k];
            const std::string who = "plant " + std::to_string(k + 1);
            const int mouth = p.y + kPlantHeight;
            if (mouth <= 0) continue;  // the pipe lies above the screen, out of sight
            for (int x = p.x; x < p.x + kPlantWidth; ++x) {
                if (!terrain.ground(x, mouth))
                    fail(x, mouth, who + ": no pipe mouth at y " + std::to_string(mouth));
                if (terrain.at(x, mouth - 1) != Cell::Free)
                    fail(x, mouth - 1,
                         who + ": the pipe mouth at y " + std::to_string(mouth) + " is covered");
            }
            const bool piped =
                std::any_of(map.objects.begin(), map.objects.end(), [&](const MapObject& o) {
                    return o.kind == kPipe && o.top() == mouth && o.left() <= p.x &&
                           o.right() >= p.x + kPlantWidth;
                });
            if (!piped)
                fail(p.x, p.y, who + ": no pipe with its mouth at y " + std::to_string(mouth));
            if (!isLightLevel(map.number) && !isDarkLevel(map.number)) continue;
            for (int y = std::max(mouth - kPlantRise, 0); y < mouth; ++y)
                for (int x = p.x; x < p.x + kPlantWidth; ++x)
                    if (pictures.background.pixel(x, y) != backdrop())
                        fail(x, y,
                             who +
                                 ": the background behind the plant is not the flat backdrop "
                                 "colour");
        }
    }

    void enemies() const {
        for (int i = 0; i < 10; ++i) {
            const EnemySlot& e = objects.enemies[i];
            const int slot = i + 1;
            const bool fireball = isRollingFireball(map.number, slot);
            const std::string who = (fireball ? "fireball " : "enemy ") + std::to_string(slot);
            const int knee = e.y + kEnemyKnee;
            if (terrain.ground(e.x, knee) || terrain.ground(e.x + kEnemySize, knee))
                fail(e.x, knee, who + " starts with a knee in the ground");
            const EnemyWalk walk = walkEnemy(terrain, e, fireball ? 9 : 3);
            if (walk.escapesTo != 0)
                fail(e.x, e.y,
                     who + ": no wall turns it when it walks " +
                         (walk.escapesTo > 0 ? "right" : "left"));
            const std::vector<int>& visited = walk.xs;
            const int floor = e.y + kEnemySize;
            if (terrain.ground(e.x + kEnemySize / 2, floor - 1))
                fail(e.x, floor, who + ": its floor is not at y " + std::to_string(floor));
            for (int x = visited.front(); x < visited.back() + kEnemySize; ++x)
                if (!terrain.ground(x, floor))
                    fail(x, floor,
                         who + " walks over a gap: no floor at y " + std::to_string(floor));
            // The ball's box is copied with its black surround; where it grazes a wall the
            // wall gets painted over, which the lattice-aligned walls keep to a pixel.
            if (!fireball || !isDarkLevel(map.number)) continue;
            for (int vx : visited)
                for (int y = std::max(e.y, 0);
                     y < std::min(e.y + kFireballBoxHeight, kBackgroundHeight); ++y)
                    for (int x = vx; x < vx + kFireballBoxWidth; ++x)
                        if (!terrain.ground(x, y) && pictures.background.pixel(x, y) != kDarkSky)
                            fail(x, y, who + " rolls over a background that is not black");
        }
    }

    void noOverhangs() const {
        if (const std::optional<Position> at = findOverhang(terrain))
            fail(at->x, at->y,
                 "ground overhangs a place where the player stands against a wall: a jump "
                 "from there hits it at once");
    }

    // Below a hazard there is never open space: a fast fall must not pass through it.
    void hazardsReachDown() const {
        for (int x = 0; x < terrain.width(); ++x) {
            bool inHazard = false;
            for (int y = 0; y < terrain.height(); ++y) {
                const Cell c = terrain.at(x, y);
                if (c == Cell::Hazard && !(x <= 1 && y <= 1))
                    inHazard = true;
                else if (c == Cell::Free && inHazard)
                    fail(x, y, "open space below the hazard");
            }
        }
    }

    // From anywhere on the screen a fall ends on visible ground or in the hazard.
    void noBottomlessPits() const {
        const int h = terrain.height();
        std::vector<signed char> safe(static_cast<std::size_t>(h + H + 16));
        for (int x = -3; x + W - 3 < terrain.width(); ++x) {
            // safe[y + H]: a fall (8 per frame) from top y ends well.
            for (int y = h + 8; y >= -H; --y) {
                bool ok;
                if (terrain.hazard(x - 4, y + H - 5) || terrain.hazard(x + W + 3, y + H - 5))
                    ok = true;
                else if (terrain.ground(x + 3, y + H + 4) || terrain.ground(x + W - 3, y + H + 4))
                    ok = y + H <= kScreenHeight;
                else
                    ok = y + 8 <= h + 8 && safe[static_cast<std::size_t>(y + 8 + H)];
                safe[static_cast<std::size_t>(y + H)] = ok;
            }
            for (int y = 0; y + H <= kScreenHeight; ++y) {
                const bool boxFree = !terrain.ground(x + 3, y) && !terrain.ground(x + W - 3, y) &&
                                     !terrain.ground(x + 3, y + H - 5) &&
                                     !terrain.ground(x + W - 3, y + H - 5) &&
                                     !terrain.ground(x + W / 2, y + H / 2);
                if (boxFree && !safe[static_cast<std::size_t>(y + H)])
                    fail(x, y,
                         "a fall from here never meets the hazard or visible ground (bottomless "
                         "pit)");
            }
        }
    }

    void bossArena() const {
        constexpr int bossX = 6000, bossY = 267;
        const int floor = bossY + kEnemySize;
        int wall = -1;
        for (int x = bossX + kEnemySize; x < terrain.width() && wall < 0; ++x)
            if (terrain.ground(x, bossY + kEnemyKnee)) wall = x;
        if (wall < 0 || wall + 1 > kLevelEndX)
            fail(bossX, bossY, "no wall stops the boss and the player before the right end");
        for (int y = 0; y < floor; ++y)
            if (!terrain.ground(wall, y)) fail(wall, y, "the wall at the right end has a gap");
        for (int x = kBossArena - 10; x < wall; ++x) {
            if (!terrain.ground(x, floor))
                fail(x, floor, "the boss's floor is not flat at y " + std::to_string(floor));
            for (int y = 0; y < floor; ++y)
                if (terrain.at(x, y) != Cell::Free)
                    fail(x, y, "the boss arena must be open above its floor");
        }
    }

    void paths() const {
        const ReachResult r = searchReach(terrain, objects.playerX, objects.playerY);
        if (map.number == kBossLevel) {
            if (r.reachedEnd)
                fail(r.furthestX, r.furthestY,
                     "the player can walk past the boss off the right end");
            if (r.furthestX <= kBossSpeechX)
                fail(r.furthestX, r.furthestY, "the player cannot get to the boss: stuck here");
            return;
        }
        if (!r.reachedEnd)
            fail(r.furthestX, r.furthestY, "the right end cannot be reached: stuck here");
    }

    static constexpr int kBossArena = kBossArenaX;
};

}  // namespace

void checkLevel(const LevelMap& map, const LevelPictures& pictures, const LevelObjects& objects,
                bool searchPaths) {
    const Checker c{map, pictures, objects,
                    TerrainMap(pictures.mask, pictures.ground, pictures.hazard)};
    if (pictures.mask.pixel(0, 0) != pictures.ground ||
        pictures.mask.pixel(1, 1) != pictures.hazard)
        throw LevelError(map.fileName, {0, 0}, "the key colours are not at (0, 0) and (1, 1)");
    c.sky();
    c.standsOverGround(objects.playerX, objects.playerY, "the player");
    c.standsOverGround(kRespawnX, kRespawnY, "the respawned player");
    c.respawnColumnClear();
    c.plants();
    c.enemies();
    checkSafeStarts(map, c.terrain, objects);
    c.noOverhangs();
    c.hazardsReachDown();
    c.noBottomlessPits();
    if (map.number == kBossLevel) c.bossArena();
    if (searchPaths) c.paths();
}

}  // namespace kv::levelc

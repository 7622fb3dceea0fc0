#include "overhang.h"

#include <algorithm>

#include "geometry.h"

namespace kv::levelc {
namespace {

constexpr int W = kPlayerWidth;
constexpr int H = kPlayerHeight;
// A jump rises 14 + 13 + ... + 1 pixels; the player at rest has ground 3 or 4 rows below its box.
constexpr int kJumpRise = 105;
constexpr int kRoomToStand = H + 3;
constexpr int kFloorReach = H + 4 + kJumpRise;
// Against a wall the player's head probes lie within this many columns of it (a walking step
// stops up to 6 pixels short of the wall).
constexpr int kBesideWall = W + 7;

bool underside(const TerrainMap& t, int x, int y) {
    return t.ground(x, y) && t.at(x, y + 1) == Cell::Free;
}

// The ground the player stands on below the underside at (x, y), if there is room to stand and a
// jump from there reaches the underside; 0 otherwise.
int floorBelow(const TerrainMap& t, int x, int y) {
    int floor = y + 1;
    while (floor < t.height() && t.at(x, floor) == Cell::Free) ++floor;
    if (floor >= t.height() || !t.ground(x, floor)) return 0;
    if (floor - (y + 1) < kRoomToStand || floor - y > kFloorReach || floor - 4 > kScreenHeight)
        return 0;
    return floor;
}

// The underside columns from..to at row y lie beside the wall at column `wall`, which goes on down
// from the underside: does the wall reach a player standing below them?
std::optional<Position> overWallSide(const TerrainMap& t, int from, int to, int y, int wall) {
    for (int c = from; c <= to; ++c) {
        const int floor = floorBelow(t, c, y);
        // The walking probe of a player at rest sits 9 rows above its ground.
        if (floor && t.ground(wall, floor - 9)) return Position{c, y};
    }
    return std::nullopt;
}

}  // namespace

std::optional<Position> findOverhang(const TerrainMap& t) {
    for (int y = 0; y + 1 < t.height(); ++y) {
        for (int x = 0; x < t.width();) {
            if (!underside(t, x, y)) {
                ++x;
                continue;
            }
            const int first = x;
            while (x < t.width() && underside(t, x, y)) ++x;
            const int last = x - 1;
            // A free-standing platform ends in open air on both sides and overhangs no wall.
            if (t.ground(first - 1, y + 1))
                if (auto at =
                        overWallSide(t, first, std::min(last, first + kBesideWall), y, first - 1))
                    return at;
            if (t.ground(last + 1, y + 1))
                if (auto at =
                        overWallSide(t, std::max(first, last - kBesideWall), last, y, last + 1))
                    return at;
        }
    }
    return std::nullopt;
}

}  // namespace kv::levelc

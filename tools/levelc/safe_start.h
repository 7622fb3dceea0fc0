#pragma once
// A player who presses nothing after the level starts, or after a respawn, stands where no enemy,
// rolling fireball or plant can ever reach.
#include <optional>

#include "level_map.h"
#include "levels/object_tables.h"
#include "terrain_map.h"

namespace kv::levelc {

// Where a player put at (x, y) with no key pressed comes to rest: falling 8 a frame, then lifted
// 2 a frame until it stands. On the way its feet pass every row from minFeet to maxFeet.
struct Rest {
    int x;
    int feet;
    int minFeet;
    int maxFeet;
};
std::optional<Rest> restFrom(const TerrainMap& terrain, int x, int y);

// Throws LevelError at the resting place when something can walk, roll or rise into it.
void checkSafeStarts(const LevelMap& map, const TerrainMap& terrain, const LevelObjects& objects);

}  // namespace kv::levelc

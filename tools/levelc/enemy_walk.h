#pragma once
// Where an enemy or a rolling fireball goes: it walks at its fixed height, turns where ground
// lies at either knee, and never stops.
#include <vector>

#include "levels/object_tables.h"
#include "terrain_map.h"

namespace kv::levelc {

struct EnemyWalk {
    std::vector<int> xs;  // every left edge it reaches, sorted, from either first direction
    int escapesTo = 0;    // -1 or 1 when no wall turns it that way, else 0
};

EnemyWalk walkEnemy(const TerrainMap& terrain, const EnemySlot& enemy, int speed);

}  // namespace kv::levelc

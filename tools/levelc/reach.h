#pragma once
// Can the player get there? A search over every key sequence, frame by frame, with the
// game's walking, jumping and falling rules against the collision mask. Enemies and plants
// are left out; touching the hazard ends a path.
#include "terrain_map.h"

namespace kv::levelc {

struct ReachResult {
    bool reachedEnd = false;  // walked off the right end (the level is complete)
    int furthestX = 0;        // the largest level x of the player's left edge on any path
    int furthestY = 0;        // the player's top there
};

// The level is complete on a step right from a level x past this.
inline constexpr int kLevelEndX = 5726 + 580;

ReachResult searchReach(const TerrainMap& terrain, int startX, int startY);

}  // namespace kv::levelc

#pragma once
// Renders a level map into its two pictures: the background the player sees and the
// collision mask the game reads.
#include "base/surface.h"
#include "level_map.h"

namespace kv::levelc {

struct LevelPictures {
    Surface background;  // width x 346
    Surface mask;        // width x map height: ground, hazard, everything else free
    Colour ground = 0;   // the mask's key colours, also found at (0, 0) and (1, 1)
    Colour hazard = 0;
};

// Collision kinds; everything else in a map is scenery.
inline constexpr const char* kGround = "ground";
inline constexpr const char* kPipe = "pipe";
inline constexpr const char* kHazard = "hazard";

LevelPictures renderLevel(const LevelMap& map);

}  // namespace kv::levelc

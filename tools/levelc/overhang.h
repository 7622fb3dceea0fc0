#pragma once
// Ground that juts out from a wall over the place where the player stands against that wall: the
// head meets it in the first frames of a jump, so Space there does next to nothing.
#include <optional>

#include "level_error.h"
#include "terrain_map.h"

namespace kv::levelc {

// The first such underside, top to bottom and left to right.
std::optional<Position> findOverhang(const TerrainMap& terrain);

}  // namespace kv::levelc

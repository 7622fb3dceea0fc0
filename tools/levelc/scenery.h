#pragma once
// Scenery: pictures behind the ground that never collide (clouds, hills, torches, stars...).
#include <string>

#include "base/surface.h"
#include "level_map.h"

namespace kv::levelc {

bool isSceneryKind(const std::string& kind);
// Paints one scenery object into the background; an optional "colour" property tints it.
void paintScenery(Surface& background, const MapObject& object, const std::string& fileName);

}  // namespace kv::levelc

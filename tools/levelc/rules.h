#pragma once
// The rules a level must keep so that the game's objects stand where its tables put them and
// the level can be played through. Each broken rule throws LevelError with a position.
#include "level_map.h"
#include "levels/object_tables.h"
#include "render.h"

namespace kv::levelc {

// Checks a rendered level against the objects of its table. `searchPaths` runs the
// (slower) search that proves the level can be played to its end.
void checkLevel(const LevelMap& map, const LevelPictures& pictures, const LevelObjects& objects,
                bool searchPaths = true);

}  // namespace kv::levelc

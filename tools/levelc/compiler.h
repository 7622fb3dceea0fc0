#pragma once
// One level map in, its three picture files out.
#include <filesystem>

#include "level_map.h"
#include "render.h"

namespace kv::levelc {

struct CompiledLevel {
    int number = 0;
    LevelPictures pictures;
    Surface title;
};

// Renders the map and checks every rule against the level's object table; throws LevelError.
CompiledLevel compileLevel(const LevelMap& map, bool searchPaths = true);

// Writes episodeN.lev, episodeNmask.lev and eN.lev into the folder.
void writeLevel(const CompiledLevel& level, const std::filesystem::path& folder);

}  // namespace kv::levelc

#pragma once
// The loading screen's title picture of a level and the small overview used for review.
#include "level_map.h"
#include "render.h"

namespace kv::levelc {

inline constexpr int kTitleWidth = 155;
inline constexpr int kTitleHeight = 141;

// A framed "LEVEL N" card over a thumbnail of the level (from x = the map's "titleX").
Surface renderTitle(const LevelMap& map, const LevelPictures& pictures);

// Background and mask side by side, each shrunk by `scale`.
Surface renderPreview(const LevelPictures& pictures, int scale);

// The start-up picture test.lev; the game copies it and never reads it.
Surface renderTestPicture();

}  // namespace kv::levelc

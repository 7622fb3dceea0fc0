#pragma once
// The loading screen's title picture of a level and the small overview used for review.
#include "level_map.h"
#include "render.h"

namespace kv::levelc {

inline constexpr int kTitleWidth = 155;
inline constexpr int kTitleHeight = 141;
// The loading screen shows the card's box at (488, 208) of the 640 x 345 play screen: only its
// top-left 152 x 137 pixels are seen. The card is drawn there; the rest is the screen's black.
inline constexpr int kTitleShownWidth = 640 - 488;
inline constexpr int kTitleShownHeight = 345 - 208;

// A framed "LEVEL N" card over a thumbnail of the level (from x = the map's "titleX").
Surface renderTitle(const LevelMap& map, const LevelPictures& pictures);

// Background and mask side by side, each shrunk by `scale`.
Surface renderPreview(const LevelPictures& pictures, int scale);

// The start-up picture test.lev; the game copies it and never reads it.
Surface renderTestPicture();

}  // namespace kv::levelc

#pragma once
// The game's icon for the desktop: the hero leaping over a walker above green ground, on a tile
// of sky with rounded corners.
#include "platform/icon_image.h"

namespace kv {

// The icon `size` pixels square (16 and up): drawn large and averaged down, so every size is
// the same picture.
IconImage gameIcon(int size);

}  // namespace kv

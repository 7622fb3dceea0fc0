#pragma once
// Which pixels a map shape covers: those whose centres lie inside it.
#include <functional>

#include "level_map.h"

namespace kv::levelc {

// Calls span(y, x0, x1) for every covered run of pixels [x0, x1) in row y, clipped to a
// width x height picture. Rows come top to bottom.
void forEachSpan(const MapObject& shape, int width, int height,
                 const std::function<void(int y, int x0, int x1)>& span);

}  // namespace kv::levelc

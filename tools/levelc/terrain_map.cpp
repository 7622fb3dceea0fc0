#include "terrain_map.h"

namespace kv::levelc {

TerrainMap::TerrainMap(const Surface& mask, Colour ground, Colour hazard)
    : width_(mask.width()), height_(mask.height()), cells_(mask.pixels().size(), Cell::Free) {
    const auto& px = mask.pixels();
    for (std::size_t i = 0; i < px.size(); ++i)
        cells_[i] = px[i] == ground ? Cell::Ground : px[i] == hazard ? Cell::Hazard : Cell::Free;
}

}  // namespace kv::levelc

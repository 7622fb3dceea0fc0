#pragma once
// A picture with see-through parts, for the desktop (the window's icon, the installed icons).
#include <cstdint>
#include <vector>

namespace kv {

struct IconImage {
    int width = 0, height = 0;
    // Row by row: red + 256 * green + 65536 * blue + 16777216 * alpha (0 clear, 255 opaque).
    std::vector<std::uint32_t> pixels;
};

}  // namespace kv

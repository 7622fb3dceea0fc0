#pragma once
// The collision mask reduced to what the game's probes see: ground, hazard or free.
#include <cstdint>
#include <vector>

#include "base/surface.h"

namespace kv::levelc {

enum class Cell : std::uint8_t { Free, Ground, Hazard };

class TerrainMap {
  public:
    TerrainMap(const Surface& mask, Colour ground, Colour hazard);

    int width() const { return width_; }
    int height() const { return height_; }
    // Outside the mask every probe reads a colour that is neither key.
    Cell at(int x, int y) const {
        if (x < 0 || y < 0 || x >= width_ || y >= height_) return Cell::Free;
        return cells_[static_cast<std::size_t>(y) * width_ + x];
    }
    bool ground(int x, int y) const { return at(x, y) == Cell::Ground; }
    bool hazard(int x, int y) const { return at(x, y) == Cell::Hazard; }

  private:
    int width_;
    int height_;
    std::vector<Cell> cells_;
};

}  // namespace kv::levelc

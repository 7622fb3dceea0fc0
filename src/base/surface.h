#pragma once
// A picture in memory: 32-bit pixels holding colours as the game stores them
// (red + 256 * green + 65536 * blue).
#include <cstdint>
#include <vector>

namespace kv {

using Colour = std::uint32_t;

constexpr Colour rgb(int r, int g, int b) {
    return static_cast<Colour>(r & 255) | static_cast<Colour>(g & 255) << 8 |
           static_cast<Colour>(b & 255) << 16;
}
constexpr int redOf(Colour c) {
    return static_cast<int>(c & 255);
}
constexpr int greenOf(Colour c) {
    return static_cast<int>((c >> 8) & 255);
}
constexpr int blueOf(Colour c) {
    return static_cast<int>((c >> 16) & 255);
}

class Surface {
  public:
    Surface() = default;
    Surface(int width, int height, Colour fill = 0);

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return width_ == 0 || height_ == 0; }

    // The colour at (x, y), or -1 outside the picture.
    std::int64_t pixel(int x, int y) const {
        if (x < 0 || y < 0 || x >= width_ || y >= height_) return -1;
        return pixels_[static_cast<std::size_t>(y) * width_ + x];
    }
    void setPixel(int x, int y, Colour c);
    void fill(Colour c);
    void fillRect(int x, int y, int w, int h, Colour c);

    const Colour* row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    Colour* row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    const std::vector<Colour>& pixels() const { return pixels_; }

    bool operator==(const Surface&) const = default;

  private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Colour> pixels_;
};

// Raster operations of a block copy: plain copy, AND (mask pass), OR (image pass).
enum class Rop { Copy, And, Paint };

// Copies the w x h block at (sx, sy) of src to (dx, dy) of dst, clipped to both surfaces.
void blit(Surface& dst, int dx, int dy, int w, int h, const Surface& src, int sx, int sy, Rop rop);

}  // namespace kv

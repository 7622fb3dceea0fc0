#include "base/surface.h"

#include <algorithm>
#include <cstdint>

namespace kv {

Surface::Surface(int width, int height, Colour fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * height_, fill) {}

void Surface::setPixel(int x, int y, Colour c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[static_cast<std::size_t>(y) * width_ + x] = c;
}

void Surface::fill(Colour c) {
    std::fill(pixels_.begin(), pixels_.end(), c);
}

void Surface::fillRect(int x, int y, int w, int h, Colour c) {
    // Wide arithmetic: a rectangle far outside must not wrap around into the picture.
    using Wide = std::int64_t;
    const Wide x0 = std::max<Wide>(x, 0), y0 = std::max<Wide>(y, 0);
    const Wide x1 = std::min<Wide>(Wide{x} + w, width_), y1 = std::min<Wide>(Wide{y} + h, height_);
    if (x0 >= x1) return;
    for (Wide yy = y0; yy < y1; ++yy)
        std::fill(row(static_cast<int>(yy)) + x0, row(static_cast<int>(yy)) + x1, c);
}

void blit(Surface& dst, int dstX, int dstY, int width, int height, const Surface& src, int srcX,
          int srcY, Rop rop) {
    // Clipped in wide arithmetic, so that no position or size can wrap around.
    using Wide = std::int64_t;
    Wide dx = dstX, dy = dstY, w = width, h = height, sx = srcX, sy = srcY;
    // Clip the source rectangle to the source, moving the destination along with it.
    if (sx < 0) {
        w += sx;
        dx -= sx;
        sx = 0;
    }
    if (sy < 0) {
        h += sy;
        dy -= sy;
        sy = 0;
    }
    if (dx < 0) {
        w += dx;
        sx -= dx;
        dx = 0;
    }
    if (dy < 0) {
        h += dy;
        sy -= dy;
        dy = 0;
    }
    w = std::min({w, src.width() - sx, dst.width() - dx});
    h = std::min({h, src.height() - sy, dst.height() - dy});
    if (w <= 0 || h <= 0) return;
    for (Wide y = 0; y < h; ++y) {
        const Colour* s = src.row(static_cast<int>(sy + y)) + sx;
        Colour* d = dst.row(static_cast<int>(dy + y)) + dx;
        switch (rop) {
            case Rop::Copy:
                std::copy(s, s + w, d);
                break;
            case Rop::And:
                for (Wide x = 0; x < w; ++x) d[x] &= s[x];
                break;
            case Rop::Paint:
                for (Wide x = 0; x < w; ++x) d[x] |= s[x];
                break;
        }
    }
}

}  // namespace kv

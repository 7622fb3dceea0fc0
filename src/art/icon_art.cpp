#include "art/icon_art.h"

#include <algorithm>
#include <cmath>

#include "art/paint.h"
#include "art/palette.h"
#include "platform/picture.h"
#include "sprites/enemyl0.xpm"
#include "sprites/r1.xpm"

namespace kv {
namespace {

using namespace palette;

// A sprite's figure laid over dst with each of its pixels `f` pixels square.
void paintSprite(Surface& dst, const SpritePair& sprite, int x, int y, int f) {
    const Surface& mask = *sprite.mask;
    const Surface& image = *sprite.image;
    for (int sy = 0; sy < mask.height(); ++sy)
        for (int sx = 0; sx < mask.width(); ++sx)
            if (mask.row(sy)[sx] == Black)
                for (int j = 0; j < f; ++j)
                    for (int i = 0; i < f; ++i)
                        if (x + sx * f + i < dst.width() && y + sy * f + j < dst.height() &&
                            x + sx * f + i >= 0 && y + sy * f + j >= 0)
                            dst.row(y + sy * f + j)[x + sx * f + i] = image.row(sy)[sx];
}

// Coverage (0..255) of the rounded tile at pixel (x, y) of an m-pixel master, 4 x 4 samples.
int tileCover(int x, int y, double inset, double radius, double m) {
    auto distance = [&](double px, double py) {
        const double cx = std::clamp(px, inset + radius, m - inset - radius);
        const double cy = std::clamp(py, inset + radius, m - inset - radius);
        return std::hypot(px - cx, py - cy);
    };
    // Only pixels on the edge need samples.
    const double d = distance(x + 0.5, y + 0.5);
    if (d <= radius - 1) return 255;
    if (d >= radius + 1) return 0;
    int inside = 0;
    for (int j = 0; j < 4; ++j)
        for (int i = 0; i < 4; ++i) {
            if (distance(x + (i + 0.5) / 4, y + (j + 0.5) / 4) <= radius) ++inside;
        }
    return inside * 255 / 16;
}

}  // namespace

IconImage gameIcon(int size) {
    size = std::max(size, 16);
    // The master is a whole multiple of the size, about 512 pixels, so every size averages whole
    // blocks.
    const int k = std::max(1, (512 + size - 1) / size);
    const int m = size * k;
    const double u = m / 256.0;  // the drawing is laid out on a 256 grid

    Surface s(m, m, White);
    fillGradient(s, {0, 0, m, m}, {rgb(58, 112, 214), rgb(104, 168, 240), rgb(178, 222, 252)});
    addGlow(s, 196 * u, 58 * u, 70 * u, rgb(255, 236, 170));
    fillEllipse(s, 196 * u, 58 * u, 20 * u, 20 * u, rgb(255, 244, 196));
    for (const auto& c : {PointF{52, 66}, PointF{74, 58}, PointF{94, 68}})
        fillEllipse(s, c.x * u, c.y * u, 22 * u, 13 * u, White, 235);
    fillEllipse(s, 60 * u, 236 * u, 120 * u, 60 * u, rgb(96, 170, 92));
    fillEllipse(s, 210 * u, 244 * u, 110 * u, 56 * u, rgb(80, 152, 80));

    // Ground: a grass edge over earth.
    const int groundTop = static_cast<int>(200 * u);
    fillGradient(s, {0, groundTop, m, m - groundTop}, {rgb(150, 96, 52), rgb(92, 54, 26)});
    fillGradient(s, {0, groundTop, m, static_cast<int>(12 * u)},
                 {rgb(130, 220, 80), rgb(52, 150, 40)});

    // The walker on the ground, and the hero in mid-leap above it.
    const SpritePair hero = spriteFromXpm(r1_xpm, "r1");
    const SpritePair walker = spriteFromXpm(enemyl0_xpm, "enemyl0");
    const int wf = std::max(1, static_cast<int>(2 * u));
    paintSprite(s, walker, static_cast<int>(168 * u), groundTop - walker.mask->height() * wf, wf);
    const int hf = std::max(1, static_cast<int>(4 * u));
    paintSprite(s, hero, static_cast<int>(56 * u), static_cast<int>(36 * u), hf);
    drawSparkle(s, 40 * u, 120 * u, 10 * u, Gold);
    drawSparkle(s, 150 * u, 34 * u, 7 * u, White);

    // The tile's rim, dark enough to stand out on a light desktop.
    const double inset = 6 * u, radius = 44 * u, rim = 5 * u;
    IconImage icon{size, size, std::vector<std::uint32_t>(static_cast<std::size_t>(size) * size)};
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            // Averaged with each sample weighted by its coverage, so the rim does not bleed.
            long r = 0, g = 0, b = 0, a = 0;
            for (int j = 0; j < k; ++j)
                for (int i = 0; i < k; ++i) {
                    const int mx = x * k + i, my = y * k + j;
                    const int cover = tileCover(mx, my, inset, radius, m);
                    if (!cover) continue;
                    const int inner = tileCover(mx, my, inset + rim, radius - rim, m);
                    const Colour c = mixColour(Navy, s.row(my)[mx], inner);
                    r += redOf(c) * cover, g += greenOf(c) * cover, b += blueOf(c) * cover;
                    a += cover;
                }
            if (!a) continue;
            const auto alpha = static_cast<std::uint32_t>(a / (k * k));
            icon.pixels[static_cast<std::size_t>(y) * size + x] =
                static_cast<std::uint32_t>(r / a) | static_cast<std::uint32_t>(g / a) << 8 |
                static_cast<std::uint32_t>(b / a) << 16 | alpha << 24;
        }
    return icon;
}

}  // namespace kv

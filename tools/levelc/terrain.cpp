#include "terrain.h"

#include <algorithm>
#include <cmath>

#include "geometry.h"
#include "paint.h"

namespace kv::levelc {
namespace {

Colour speckle(Colour base, const Texel& t, int seed) {
    const int h = pick(64, t.x, t.y, seed);
    if (h < 4) return shade(base, -28);
    if (h < 7) return shade(base, 18);
    return shade(base, pick(9, t.x / 3, t.y / 3, seed + 1) - 4);
}

Colour soil(const Texel& t, Colour base, int seed) {
    // Buried pebbles: a few rounded stones per cell.
    const int cx = t.x / 24, cy = t.y / 20;
    if (pick(3, cx, cy, seed) == 0) {
        const int px = cx * 24 + 4 + pick(16, cx, cy, seed + 2);
        const int py = cy * 20 + 4 + pick(12, cx, cy, seed + 3);
        const int dx = t.x - px, dy = t.y - py;
        if (dx * dx * 4 + dy * dy * 9 < 40) return dy < 0 ? shade(base, 40) : shade(base, 22);
    }
    return speckle(base, t, seed);
}

Colour blocks(const Texel& t, int bw, int bh, Colour base, Colour mortar, int seed) {
    const int row = t.y / bh;
    const int off = (row % 2) * (bw / 2);
    const int col = (t.x + off) / bw;
    const int lx = (t.x + off) % bw, ly = t.y % bh;
    if (ly == bh - 1 || lx == bw - 1) return mortar;
    Colour c = shade(base, pick(21, col, row, seed) - 10);
    if (ly == 0 || lx == 0) c = shade(c, 26);
    if (ly == bh - 2) c = shade(c, -18);
    return speckle(c, t, seed + 7);
}

Colour edgeDark(Colour c, const Texel& t) {
    if (t.side) return shade(c, -70);
    if (t.below == 0) return shade(c, -60);
    if (t.below == 1) return shade(c, -30);
    return c;
}

}  // namespace

std::optional<GroundStyle> groundStyleNamed(const std::string& n) {
    static const std::pair<const char*, GroundStyle> names[] = {
        {"grass", GroundStyle::Grass}, {"dirt", GroundStyle::Dirt},
        {"rock", GroundStyle::Rock},   {"brick", GroundStyle::Brick},
        {"stone", GroundStyle::Stone}, {"sand", GroundStyle::Sand},
        {"snow", GroundStyle::Snow},   {"ice", GroundStyle::Ice},
        {"wood", GroundStyle::Wood},   {"metal", GroundStyle::Metal},
        {"cloud", GroundStyle::Cloud}, {"basalt", GroundStyle::Basalt}};
    for (const auto& [name, style] : names)
        if (n == name) return style;
    return std::nullopt;
}

std::optional<HazardStyle> hazardStyleNamed(const std::string& n) {
    if (n == "lava") return HazardStyle::Lava;
    if (n == "water") return HazardStyle::Water;
    if (n == "spikes") return HazardStyle::Spikes;
    if (n == "acid") return HazardStyle::Acid;
    return std::nullopt;
}

std::optional<PipeStyle> pipeStyleNamed(const std::string& n) {
    if (n == "green") return PipeStyle::Green;
    if (n == "stone") return PipeStyle::Stone;
    if (n == "rust") return PipeStyle::Rust;
    return std::nullopt;
}

Colour groundTexel(GroundStyle style, const Texel& t) {
    switch (style) {
        case GroundStyle::Grass: {
            // A ragged band of turf over the soil.
            const int turf = 7 + pick(4, t.x / 2, 11);
            if (t.depth < turf) {
                if (t.depth == 0) return rgb(0x2C, 0x6E, 0x1C);
                if (t.depth <= 2) return rgb(0x8C, 0xE0, 0x5C);
                Colour g =
                    pick(5, t.x, t.depth / 2) == 0 ? rgb(0x5C, 0xC0, 0x40) : rgb(0x3E, 0xA2, 0x32);
                if (t.depth == turf - 1) g = rgb(0x2C, 0x6E, 0x1C);
                return t.side ? shade(g, -50) : g;
            }
            return edgeDark(soil(t, rgb(0x8E, 0x5C, 0x30), 1), t);
        }
        case GroundStyle::Dirt:
            if (t.depth <= 1) return rgb(0xB8, 0x84, 0x4C);
            return edgeDark(soil(t, rgb(0x8E, 0x5C, 0x30), 2), t);
        case GroundStyle::Rock: {
            if (t.depth <= 1) return rgb(0x9A, 0x94, 0xA4);
            Colour c = soil(t, rgb(0x5E, 0x5A, 0x68), 3);
            // Cracks along a coarse diagonal lattice.
            if ((t.x + t.y / 2 + pick(3, t.y / 6, 5)) % 37 == 0 && pick(3, t.x / 37, t.y / 18) == 0)
                c = rgb(0x32, 0x30, 0x3A);
            return edgeDark(c, t);
        }
        case GroundStyle::Brick:
            return edgeDark(blocks(t, 16, 8, rgb(0xB4, 0x54, 0x30), rgb(0x5E, 0x2E, 0x1E), 4), t);
        case GroundStyle::Stone:
            return edgeDark(blocks(t, 32, 16, rgb(0x80, 0x80, 0x8C), rgb(0x40, 0x40, 0x4A), 5), t);
        case GroundStyle::Sand: {
            if (t.depth <= 2) return rgb(0xF6, 0xE0, 0x98);
            Colour c = speckle(rgb(0xE0, 0xBC, 0x68), t, 6);
            const int wave = static_cast<int>(std::lround(2.0 * std::sin(t.x / 11.0)));
            if ((t.y + wave) % 14 == 0) c = rgb(0xC8, 0x9E, 0x50);
            return edgeDark(c, t);
        }
        case GroundStyle::Snow: {
            const int cap = 6 + pick(4, t.x / 3, 21);
            if (t.depth < cap) {
                if (t.depth == cap - 1) return rgb(0xB4, 0xCC, 0xE8);
                return t.depth == 0 ? rgb(0xD8, 0xE6, 0xF8) : rgb(0xF8, 0xFC, 0xFF);
            }
            return edgeDark(soil(t, rgb(0x6C, 0x84, 0xA8), 7), t);
        }
        case GroundStyle::Ice: {
            Colour c = rgb(0xA8, 0xDA, 0xF2);
            if ((t.x - t.y * 2 + 4000) % 23 < 2) c = rgb(0xE4, 0xF6, 0xFF);
            if (t.depth <= 1) c = rgb(0xF0, 0xFA, 0xFF);
            return edgeDark(c, t);
        }
        case GroundStyle::Wood: {
            const int plank = t.y / 8;
            const int seam = (t.x + plank * 29) % 64;
            Colour c = shade(rgb(0xA8, 0x70, 0x3C), pick(13, plank, (t.x + plank * 29) / 64) - 6);
            if (t.y % 8 == 7 || seam == 0)
                c = rgb(0x5A, 0x36, 0x18);
            else if (pick(7, t.x / 5, t.y) == 0)
                c = shade(c, -14);
            if (t.depth == 0) c = rgb(0xD0, 0x98, 0x5C);
            return edgeDark(c, t);
        }
        case GroundStyle::Metal: {
            const int lx = t.x % 32, ly = t.y % 24;
            Colour c = shade(rgb(0x5A, 0x60, 0x6A), pick(9, t.x / 32, t.y / 24) - 4);
            if (lx == 0 || ly == 0) c = rgb(0x86, 0x8E, 0x9A);
            if (lx == 31 || ly == 23) c = rgb(0x30, 0x34, 0x3A);
            if ((lx == 4 || lx == 27) && (ly == 4 || ly == 19)) c = rgb(0xB0, 0xB8, 0xC4);
            return edgeDark(c, t);
        }
        case GroundStyle::Cloud: {
            Colour c = rgb(0xFF, 0xFF, 0xFF);
            if (t.below < 5) c = rgb(0xD4, 0xE4, 0xF6);
            if (t.below < 2 || t.side) c = rgb(0x9C, 0xBC, 0xE0);
            if (t.depth == 0) c = rgb(0xB8, 0xD0, 0xEC);
            return c;
        }
        case GroundStyle::Basalt: {
            if (t.depth <= 1) return rgb(0x6A, 0x4C, 0x4C);
            Colour c = soil(t, rgb(0x3A, 0x2C, 0x30), 9);
            // Glowing seams.
            if ((t.x * 3 + t.y * 5 + pick(4, t.y / 9, t.x / 40)) % 97 == 0)
                c = rgb(0xD0, 0x50, 0x18);
            return edgeDark(c, t);
        }
    }
    return 0;
}

Colour hazardTexel(HazardStyle style, int x, int y, int depth) {
    const int wave = static_cast<int>(std::lround(1.5 + 1.5 * std::sin(x / 7.0)));
    switch (style) {
        case HazardStyle::Lava: {
            if (depth < 1 + wave) return rgb(0xFF, 0xE8, 0x70);
            if (depth < 4 + wave) return rgb(0xFF, 0xB0, 0x30);
            // Bubbles rising through the melt.
            const int cx = x / 18, cy = y / 14;
            const int bx = cx * 18 + 9, by = cy * 14 + 7;
            const int r = 1 + pick(4, cx, cy, 31);
            if (pick(3, cx, cy, 32) == 0 && (x - bx) * (x - bx) + (y - by) * (y - by) <= r * r)
                return rgb(0xFF, 0xC8, 0x50);
            Colour c = depth < 14   ? rgb(0xFF, 0x78, 0x18)
                       : depth < 34 ? rgb(0xE8, 0x4A, 0x14)
                                    : rgb(0xB0, 0x28, 0x10);
            if (pick(11, x / 2, y / 2, 33) == 0) c = shade(c, 24);
            return c;
        }
        case HazardStyle::Water: {
            if (depth < wave) return rgb(0xE6, 0xF6, 0xFF);
            if (depth < 2 + wave) return rgb(0x9C, 0xD6, 0xFA);
            Colour c = depth < 16   ? rgb(0x38, 0x8C, 0xE0)
                       : depth < 40 ? rgb(0x28, 0x68, 0xC0)
                                    : rgb(0x1C, 0x48, 0x98);
            // Glints on the water.
            if ((x + 3 * (y / 5)) % 29 < 5 && y % 5 == 0 && pick(2, x / 29, y / 5) == 0)
                c = shade(c, 50);
            return c;
        }
        case HazardStyle::Acid: {
            if (depth < 1 + wave) return rgb(0xE0, 0xFF, 0x80);
            Colour c = depth < 18 ? rgb(0x70, 0xD0, 0x28) : rgb(0x40, 0x90, 0x18);
            if (pick(13, x / 2, y / 2, 34) == 0) c = shade(c, 40);
            return c;
        }
        case HazardStyle::Spikes: {
            // A row of steel spikes over a dark pit.
            const int lx = x % 12;
            const int tip = std::abs(lx * 2 - 11);  // 11 at the edges, 1 in the middle
            const int spikeTop = tip;
            if (depth >= spikeTop && depth < 16) {
                if (depth == spikeTop || lx == 0) return rgb(0x30, 0x30, 0x38);
                return lx < 6 ? rgb(0xE0, 0xE4, 0xEC) : rgb(0x90, 0x96, 0xA4);
            }
            if (depth < 16) return rgb(0x22, 0x1E, 0x26);
            if (depth < 20) return rgb(0x50, 0x50, 0x5A);
            return pick(17, x / 3, y / 3, 35) == 0 ? rgb(0x3A, 0x36, 0x40) : rgb(0x22, 0x1E, 0x26);
        }
    }
    return 0;
}

bool pipeCovers(int x, int top, int w, int px, int py) {
    if (py < top || px < x || px >= x + w) return false;
    if (py < top + kPipeRimHeight) return true;
    return px >= x + kPipeInset && px < x + w - kPipeInset;
}

void paintPipe(Surface& s, int x, int top, int w, int h, PipeStyle style) {
    Colour light = 0, mid = 0, dark = 0, outline = 0;
    switch (style) {
        case PipeStyle::Green:
            light = rgb(0xB4, 0xF0, 0x8C), mid = rgb(0x3C, 0xB4, 0x3C),
            dark = rgb(0x1E, 0x6E, 0x28), outline = rgb(0x0C, 0x30, 0x10);
            break;
        case PipeStyle::Stone:
            light = rgb(0xD0, 0xD0, 0xDA), mid = rgb(0x8C, 0x8C, 0x9A),
            dark = rgb(0x50, 0x50, 0x5E), outline = rgb(0x1C, 0x1C, 0x24);
            break;
        case PipeStyle::Rust:
            light = rgb(0xF0, 0xA8, 0x70), mid = rgb(0xB0, 0x58, 0x2C),
            dark = rgb(0x6A, 0x2E, 0x16), outline = rgb(0x2A, 0x10, 0x06);
            break;
    }
    auto column = [&](int lx, int width) {
        // Round shading across the pipe: a highlight left of centre, shadow to the right.
        const int t = lx * 256 / std::max(width - 1, 1);
        if (t < 40) return mix(mid, light, 120);
        if (t < 90) return light;
        if (t < 150) return mid;
        if (t < 215) return mix(mid, dark, 140);
        return dark;
    };
    for (int py = top; py < top + h; ++py) {
        const bool rim = py < top + kPipeRimHeight;
        const int x0 = rim ? x : x + kPipeInset;
        const int width = rim ? w : w - 2 * kPipeInset;
        for (int lx = 0; lx < width; ++lx) {
            Colour c = column(lx, width);
            if (lx == 0 || lx == width - 1) c = outline;
            if (rim && (py == top || py == top + kPipeRimHeight - 1)) c = outline;
            if (!rim && py == top + kPipeRimHeight)
                c = mix(c, outline, 160);  // shadow under the rim
            s.setPixel(x0 + lx, py, c);
        }
    }
}

}  // namespace kv::levelc

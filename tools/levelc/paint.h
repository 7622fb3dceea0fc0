#pragma once
// Small drawing helpers for the level art: deterministic noise, colour mixing and shapes.
#include <cstdint>

#include "base/surface.h"

namespace kv::levelc {

// A well-mixed hash of a few integers: the same inputs always give the same texture.
constexpr std::uint32_t hash(int a, int b = 0, int c = 0) {
    std::uint32_t h = static_cast<std::uint32_t>(a) * 0x9E3779B1u;
    h ^= static_cast<std::uint32_t>(b) * 0x85EBCA77u + (h << 6) + (h >> 2);
    h ^= static_cast<std::uint32_t>(c) * 0xC2B2AE3Du + (h << 6) + (h >> 2);
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}
// Hash as a number 0..n-1.
constexpr int pick(int n, int a, int b = 0, int c = 0) {
    return static_cast<int>(hash(a, b, c) % static_cast<std::uint32_t>(n));
}

// t / 256 of the way from a to b.
Colour mix(Colour a, Colour b, int t);
// Brighter (amount > 0) or darker (amount < 0), in colour steps per channel.
Colour shade(Colour c, int amount);

void fillCircle(Surface& s, int cx, int cy, int r, Colour c);
void fillEllipse(Surface& s, int cx, int cy, int rx, int ry, Colour c);
// Filled triangle by pixel centres.
void fillTriangle(Surface& s, int x0, int y0, int x1, int y1, int x2, int y2, Colour c);
void drawLine(Surface& s, int x0, int y0, int x1, int y1, Colour c);
void frameRect(Surface& s, int x, int y, int w, int h, Colour c);

}  // namespace kv::levelc

#pragma once
// Textures of the solid ground, the hazards and the pipes.
#include <optional>
#include <string>

#include "base/surface.h"

namespace kv::levelc {

enum class GroundStyle : unsigned char {
    Grass = 1,
    Dirt,
    Rock,
    Brick,
    Stone,
    Sand,
    Snow,
    Ice,
    Wood,
    Metal,
    Cloud,
    Basalt
};
enum class HazardStyle : unsigned char { Lava = 1, Water, Spikes, Acid };
enum class PipeStyle : unsigned char { Green, Stone, Rust };

std::optional<GroundStyle> groundStyleNamed(const std::string& name);
std::optional<HazardStyle> hazardStyleNamed(const std::string& name);
std::optional<PipeStyle> pipeStyleNamed(const std::string& name);

// Where a pixel lies within its run of solid ground: rows below the surface, rows above the
// underside, and whether it borders open space to the left or right.
struct Texel {
    int x;
    int y;
    int depth;
    int below;
    bool side;
};

Colour groundTexel(GroundStyle style, const Texel& t);
Colour hazardTexel(HazardStyle style, int x, int y, int depth);

// A pipe in the rectangle (x, top, w, h): a rim of full width, then a narrower body.
void paintPipe(Surface& s, int x, int top, int w, int h, PipeStyle style);
bool pipeCovers(int x, int top, int w, int px, int py);

}  // namespace kv::levelc

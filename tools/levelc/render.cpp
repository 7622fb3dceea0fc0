#include "render.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "geometry.h"
#include "level_error.h"
#include "paint.h"
#include "raster.h"
#include "scenery.h"
#include "terrain.h"

namespace kv::levelc {
namespace {

constexpr std::uint16_t kHazardBase = 64;

struct Collision {
    const MapObject* object;
    GroundStyle ground{};
    HazardStyle hazard{};
    PipeStyle pipe{};
};

std::vector<Collision> collisionObjects(const LevelMap& map) {
    std::vector<Collision> out;
    for (const MapObject& o : map.objects) {
        const Position at{o.left(), o.top()};
        const std::string id = "object " + std::to_string(o.id);
        if (o.kind == kGround) {
            const auto style = groundStyleNamed(o.property("style", "grass"));
            if (!style)
                throw LevelError(map.fileName, at,
                                 id + ": unknown ground style \"" + o.property("style") + "\"");
            out.push_back({&o, *style, {}, {}});
        } else if (o.kind == kHazard) {
            const auto style = hazardStyleNamed(o.property("style", "lava"));
            if (!style)
                throw LevelError(map.fileName, at,
                                 id + ": unknown hazard style \"" + o.property("style") + "\"");
            out.push_back({&o, {}, *style, {}});
        } else if (o.kind == kPipe) {
            const auto style = pipeStyleNamed(o.property("style", "green"));
            if (!style)
                throw LevelError(map.fileName, at,
                                 id + ": unknown pipe style \"" + o.property("style") + "\"");
            if (o.isPolygon())
                throw LevelError(map.fileName, at, id + ": a pipe must be a rectangle");
            if (o.right() - o.left() <= 2 * kPipeInset + 2 || o.bottom() - o.top() < kPipeRimHeight)
                throw LevelError(map.fileName, at, id + ": the pipe is too small for its rim");
            out.push_back({&o, {}, {}, *style});
        } else if (!isSceneryKind(o.kind)) {
            throw LevelError(map.fileName, at, id + ": unknown object type \"" + o.kind + "\"");
        }
    }
    return out;
}

void paintSky(Surface& bg, const LevelMap& map) {
    const Colour top = map.colour("sky");
    if (!map.hasProperty("skyBottom")) {
        bg.fill(top);
        return;
    }
    const Colour bottom = map.colour("skyBottom");
    for (int y = 0; y < bg.height(); ++y)
        bg.fillRect(0, y, bg.width(), 1, mix(top, bottom, y * 256 / bg.height()));
}

// Textures every pixel of a material grid by its place in its vertical run.
template <typename Texture>
void shadeRuns(Surface& bg, const std::vector<std::uint16_t>& grid, bool (*solid)(std::uint16_t),
               Texture texture) {
    const int w = bg.width(), h = bg.height();
    auto at = [&](int x, int y) { return grid[static_cast<std::size_t>(y) * w + x]; };
    for (int x = 0; x < w; ++x) {
        int runTop = -1;
        for (int y = 0; y < h; ++y) {
            const std::uint16_t m = at(x, y);
            if (!solid(m)) {
                runTop = -1;
                continue;
            }
            if (runTop < 0) runTop = y;
            int below = 0;
            while (below < 8 && y + below + 1 < h && solid(at(x, y + below + 1))) ++below;
            if (y + below + 1 >= h) below = 8;
            const bool side =
                (x > 0 && !solid(at(x - 1, y))) || (x + 1 < w && !solid(at(x + 1, y)));
            bg.setPixel(x, y, texture(m, Texel{x, y, y - runTop, below, side}));
        }
    }
}

bool isGroundMaterial(std::uint16_t m) {
    return m != 0 && m < kHazardBase;
}
bool isHazardMaterial(std::uint16_t m) {
    return m >= kHazardBase && m < 256;
}

}  // namespace

LevelPictures renderLevel(const LevelMap& map) {
    if (map.width < kMinLevelWidth || map.height < kBackgroundHeight)
        throw LevelError(map.fileName, "the map is " + std::to_string(map.width) + " x " +
                                           std::to_string(map.height) +
                                           " pixels; a level needs at least " +
                                           std::to_string(kMinLevelWidth) + " x " +
                                           std::to_string(kBackgroundHeight));
    const std::vector<Collision> collisions = collisionObjects(map);

    LevelPictures out;
    out.ground = map.colour("groundColour");
    out.hazard = map.colour("hazardColour");
    if (out.ground == out.hazard)
        throw LevelError(map.fileName, "the ground and hazard colours are the same");
    for (Colour key : {out.ground, out.hazard})
        if (key == kFreeSpace || key == kGameOverGround)
            throw LevelError(map.fileName,
                             "a key colour may be neither white (free space) nor 123 "
                             "(the game-over fall's ground)");

    // Background: sky, scenery, then the solid things and the hazards over them.
    Surface& bg = out.background = Surface(map.width, kBackgroundHeight);
    paintSky(bg, map);
    for (const MapObject& o : map.objects)
        if (isSceneryKind(o.kind)) paintScenery(bg, o, map.fileName);

    // Later collision objects cover earlier ones, in the picture as in the mask.
    constexpr std::uint16_t kPipeBase = 256;
    std::vector<std::uint16_t> grid(static_cast<std::size_t>(map.width) * kBackgroundHeight, 0);
    Surface& mask = out.mask = Surface(map.width, map.height, kFreeSpace);
    for (std::size_t i = 0; i < collisions.size(); ++i) {
        const Collision& c = collisions[i];
        const MapObject& o = *c.object;
        std::uint16_t material = 0;
        Colour key = out.ground;
        if (o.kind == kGround) material = static_cast<std::uint16_t>(c.ground);
        if (o.kind == kHazard)
            material = static_cast<std::uint16_t>(kHazardBase + static_cast<int>(c.hazard)),
            key = out.hazard;
        if (o.kind == kPipe) material = static_cast<std::uint16_t>(kPipeBase + i);
        auto picture = [&](int y, int x0, int x1) {
            if (o.visible && y < kBackgroundHeight && x0 < x1)
                std::fill_n(grid.begin() + static_cast<std::ptrdiff_t>(y) * map.width + x0, x1 - x0,
                            material);
        };
        auto paint = [&](int y, int x0, int x1) {
            mask.fillRect(x0, y, x1 - x0, 1, key);
            picture(y, x0, x1);
        };
        if (o.kind == kPipe) {
            // Solid to the rim's width from top to foot: a player against the body would have
            // the rim's lip over its head, and every jump would end on it at once.
            const int x0 = std::max(o.left(), 0), x1 = std::min(o.right(), map.width);
            for (int y = std::max(o.top(), 0); y < std::min(o.bottom(), mask.height()); ++y) {
                const int inset = y < o.top() + kPipeRimHeight ? 0 : kPipeInset;
                mask.fillRect(x0, y, x1 - x0, 1, key);
                picture(y, std::max(x0, o.left() + inset), std::min(x1, o.right() - inset));
            }
        } else {
            forEachSpan(o, mask.width(), mask.height(), paint);
        }
    }
    shadeRuns(bg, grid, isGroundMaterial, [](std::uint16_t m, const Texel& t) {
        return groundTexel(static_cast<GroundStyle>(m), t);
    });
    shadeRuns(bg, grid, isHazardMaterial, [](std::uint16_t m, const Texel& t) {
        return hazardTexel(static_cast<HazardStyle>(m - kHazardBase), t.x, t.y, t.depth);
    });
    for (std::size_t i = 0; i < collisions.size(); ++i) {
        const MapObject& o = *collisions[i].object;
        if (o.kind != kPipe) continue;
        const int x = o.left(), top = o.top(), w = o.right() - o.left(),
                  h = std::min(o.bottom(), kBackgroundHeight) - top;
        if (h <= 0) continue;
        Surface pipe(w, h);
        paintPipe(pipe, 0, 0, w, h, collisions[i].pipe);
        for (int y = 0; y < h; ++y)
            for (int px = 0; px < w; ++px)
                if (top + y >= 0 && x + px >= 0 && x + px < map.width &&
                    grid[static_cast<std::size_t>(top + y) * map.width + x + px] == kPipeBase + i)
                    bg.setPixel(x + px, top + y, static_cast<Colour>(pipe.pixel(px, y)));
    }

    mask.setPixel(0, 0, out.ground);
    mask.setPixel(1, 1, out.hazard);
    return out;
}

}  // namespace kv::levelc

#include "platform/picture.h"

#include <SDL.h>
#include <SDL_image.h>

#include <charconv>
#include <cstring>
#include <string>
#include <unordered_set>
#include <vector>

#include "platform/errors.h"

namespace kv {
namespace {

struct SurfaceCloser {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using SdlSurface = std::unique_ptr<SDL_Surface, SurfaceCloser>;

// One pixel of the drawing: its colour and whether it is drawn at all.
struct Pixel {
    Colour colour;
    bool opaque;
};

std::string label(std::string_view name) {
    return name.empty() ? std::string("XPM picture") : "XPM picture " + std::string(name);
}

[[noreturn]] void fail(std::string_view name, const std::string& why) {
    throw FileError(label(name) + ": " + why);
}

// Reads the leading whole numbers of the header line ("width height colours chars-per-pixel").
std::vector<long> headerNumbers(const char* line) {
    std::vector<long> out;
    const char* p = line;
    const char* end = line + std::strlen(line);
    while (p < end && out.size() < 4) {
        while (p < end && (*p == ' ' || *p == '\t')) ++p;
        long v = 0;
        auto [next, ec] = std::from_chars(p, end, v);
        if (ec != std::errc() || next == p) break;
        out.push_back(v);
        p = next;
    }
    return out;
}

// The image loader trusts its input, so check the shape of the data before handing it over:
// every line present and long enough, every pixel code declared.
void validate(const char* const* xpm, std::string_view name) {
    if (xpm == nullptr || xpm[0] == nullptr) fail(name, "no data");
    const std::vector<long> h = headerNumbers(xpm[0]);
    if (h.size() < 4) fail(name, "bad header \"" + std::string(xpm[0]) + "\"");
    const long width = h[0], height = h[1], colours = h[2], cpp = h[3];
    if (width < 1 || height < 1 || width > 16384 || height > 16384)
        fail(name, "bad size " + std::to_string(width) + " x " + std::to_string(height));
    if (colours < 1 || colours > 65536) fail(name, "bad colour count " + std::to_string(colours));
    if (cpp < 1 || cpp > 7) fail(name, "bad characters per pixel " + std::to_string(cpp));

    const auto n = static_cast<std::size_t>(cpp);
    std::unordered_set<std::string_view> codes;
    for (long i = 1; i <= colours; ++i) {
        const char* line = xpm[i];
        if (line == nullptr) fail(name, "colour line " + std::to_string(i) + " missing");
        if (std::strlen(line) <= n)
            fail(name, "colour line " + std::to_string(i) + " has no colour");
        codes.emplace(line, n);
    }
    const std::size_t rowLength = n * static_cast<std::size_t>(width);
    for (long y = 0; y < height; ++y) {
        const char* line = xpm[1 + colours + y];
        if (line == nullptr) fail(name, "pixel row " + std::to_string(y) + " missing");
        if (std::strlen(line) < rowLength)
            fail(name, "pixel row " + std::to_string(y) + " is too short");
        for (std::size_t x = 0; x < rowLength; x += n) {
            if (!codes.contains(std::string_view(line + x, n)))
                fail(name, "pixel row " + std::to_string(y) + " uses an undeclared colour");
        }
    }
}

// Reads the drawing into plain pixels, whatever format the loader chose. Transparency comes
// from alpha only: "None" pixels read back black with alpha 0, and black is a real colour.
std::vector<Pixel> readPixels(const char* const* xpm, std::string_view name, int& w, int& h) {
    validate(xpm, name);
    // The loader takes a non-const array but only reads it.
    SdlSurface s(IMG_ReadXPMFromArray(const_cast<char**>(xpm)));
    if (!s) fail(name, std::string("unreadable: ") + IMG_GetError());
    if (SDL_MUSTLOCK(s.get()) && SDL_LockSurface(s.get()) != 0)
        fail(name, std::string("cannot read pixels: ") + SDL_GetError());

    w = s->w;
    h = s->h;
    const SDL_PixelFormat* fmt = s->format;
    const int bpp = fmt->BytesPerPixel;
    std::vector<Pixel> out;
    out.reserve(static_cast<std::size_t>(w) * h);
    for (int y = 0; y < h; ++y) {
        const auto* row =
            static_cast<const Uint8*>(s->pixels) + static_cast<std::ptrdiff_t>(y) * s->pitch;
        for (int x = 0; x < w; ++x) {
            const Uint8* p = row + static_cast<std::ptrdiff_t>(x) * bpp;
            Uint32 value = 0;
            switch (bpp) {
                case 1:
                    value = p[0];
                    break;
                case 2: {
                    Uint16 v;
                    std::memcpy(&v, p, 2);
                    value = v;
                    break;
                }
                case 3:
                    value = SDL_BYTEORDER == SDL_LIL_ENDIAN ? (p[0] | p[1] << 8 | p[2] << 16)
                                                            : (p[2] | p[1] << 8 | p[0] << 16);
                    break;
                default:
                    std::memcpy(&value, p, 4);
                    break;
            }
            Uint8 r, g, b, a;
            SDL_GetRGBA(value, fmt, &r, &g, &b, &a);
            out.push_back({rgb(r, g, b), a >= 128});
        }
    }
    if (SDL_MUSTLOCK(s.get())) SDL_UnlockSurface(s.get());
    return out;
}

}  // namespace

SpritePair spriteFromXpm(const char* const* xpm, std::string_view name) {
    int w = 0, h = 0;
    const std::vector<Pixel> pixels = readPixels(xpm, name, w, h);
    Surface mask(w, h), image(w, h);
    std::size_t i = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x, ++i) {
            const Pixel& p = pixels[i];
            mask.row(y)[x] = p.opaque ? rgb(0, 0, 0) : rgb(255, 255, 255);
            image.row(y)[x] = p.opaque ? p.colour : rgb(0, 0, 0);
        }
    }
    return {std::make_shared<const Surface>(std::move(mask)),
            std::make_shared<const Surface>(std::move(image))};
}

Picture opaqueFromXpm(const char* const* xpm, std::string_view name) {
    int w = 0, h = 0;
    const std::vector<Pixel> pixels = readPixels(xpm, name, w, h);
    Surface out(w, h);
    std::size_t i = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x, ++i) out.row(y)[x] = pixels[i].opaque ? pixels[i].colour : 0;
    }
    return std::make_shared<const Surface>(std::move(out));
}

}  // namespace kv

#include "base/bmp.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "base/errors.h"
#include "base/files.h"

namespace kv {
namespace {

std::uint32_t le32(const std::string& b, std::size_t at) {
    return static_cast<std::uint8_t>(b[at]) | static_cast<std::uint8_t>(b[at + 1]) << 8 |
           static_cast<std::uint8_t>(b[at + 2]) << 16 |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at + 3])) << 24;
}
std::uint16_t le16(const std::string& b, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(b[at]) |
                                      static_cast<std::uint8_t>(b[at + 1]) << 8);
}
void put32(std::string& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b += static_cast<char>((v >> (8 * i)) & 255);
}
void put16(std::string& b, std::uint16_t v) {
    b += static_cast<char>(v & 255);
    b += static_cast<char>(v >> 8);
}

// File and info headers of a bottom-up bitmap; the palette and the rows follow.
std::string header(const Surface& picture, int bitsPerPixel, std::size_t dataSize,
                   std::size_t paletteSize) {
    const std::size_t offset = 54 + 4 * paletteSize;
    std::string b;
    b.reserve(offset + dataSize);
    b += "BM";
    put32(b, static_cast<std::uint32_t>(offset + dataSize));
    put32(b, 0);
    put32(b, static_cast<std::uint32_t>(offset));
    put32(b, 40);
    put32(b, static_cast<std::uint32_t>(picture.width()));
    put32(b, static_cast<std::uint32_t>(picture.height()));
    put16(b, 1);
    put16(b, static_cast<std::uint16_t>(bitsPerPixel));
    put32(b, 0);
    put32(b, static_cast<std::uint32_t>(dataSize));
    put32(b, 2835);
    put32(b, 2835);
    put32(b, static_cast<std::uint32_t>(paletteSize));
    put32(b, 0);
    return b;
}

// One colour channel of a pixel under a mask of contiguous bits, scaled to 0 .. 255.
struct Channel {
    int shift = 0;
    int bits = 0;
    bool fromMask(std::uint32_t mask) {
        if (mask == 0) return false;
        while (!(mask & 1)) {
            mask >>= 1;
            ++shift;
        }
        while (mask & 1) {
            mask >>= 1;
            ++bits;
        }
        return mask == 0;  // a gap in the mask is no colour channel
    }
    int of(std::uint32_t pixel) const {
        const std::uint32_t v = (pixel >> shift) & ((std::uint64_t{1} << bits) - 1);
        if (bits >= 8) return static_cast<int>(v >> (bits - 8));
        return static_cast<int>(v * 255 / ((1u << bits) - 1));
    }
};

}  // namespace

Surface decodeBmp(const std::string& b, const std::string& name) {
    auto fail = [&](const std::string& why) -> FileError {
        return FileError(name + ": not a readable bitmap (" + why + ")");
    };
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') throw fail("no bitmap header");
    const std::uint32_t offset = le32(b, 10);
    const std::uint32_t headerSize = le32(b, 14);
    if (headerSize < 40) throw fail("old header format");
    const auto width = static_cast<std::int32_t>(le32(b, 18));
    const auto rawHeight = static_cast<std::int32_t>(le32(b, 22));
    const int bpp = le16(b, 28);
    const std::uint32_t compression = le32(b, 30);
    if (width <= 0 || rawHeight == 0 || width > 65536 || rawHeight > 65536 || rawHeight < -65536)
        throw fail("bad size");
    const bool topDown = rawHeight < 0;
    const int height = topDown ? -rawHeight : rawHeight;
    if (compression != 0 && !(compression == 3 && bpp == 32)) throw fail("compressed");
    if (bpp != 24 && bpp != 32 && bpp != 8) throw fail(std::to_string(bpp) + " bits per pixel");
    const std::size_t stride = (static_cast<std::size_t>(width) * bpp / 8 + 3) / 4 * 4;
    if (offset > b.size() || b.size() - offset < stride * height) throw fail("truncated");
    // The palette or the colour masks follow the info header, before the pixels.
    const std::size_t afterHeader = std::size_t{14} + headerSize;
    if (afterHeader > offset) throw fail("header runs into the pixels");

    // Colour masks: right after a plain info header, inside the longer ones; either way at 54.
    Channel red, green, blue;
    if (compression == 3) {
        if (offset < 66) throw fail("truncated masks");
        if (!red.fromMask(le32(b, 54)) || !green.fromMask(le32(b, 58)) ||
            !blue.fromMask(le32(b, 62)))
            throw fail("colour masks");
    } else if (bpp == 32) {
        red.shift = 16, green.shift = 8, blue.shift = 0;
        red.bits = green.bits = blue.bits = 8;
    }

    Colour palette[256] = {};
    if (bpp == 8) {
        std::uint32_t colours = le32(b, 46);
        if (colours == 0 || colours > 256) colours = 256;
        const std::size_t at = afterHeader;
        if (at + std::size_t{colours} * 4 > offset) throw fail("truncated palette");
        for (std::uint32_t i = 0; i < colours; ++i)
            palette[i] = rgb(static_cast<std::uint8_t>(b[at + 4 * i + 2]),
                             static_cast<std::uint8_t>(b[at + 4 * i + 1]),
                             static_cast<std::uint8_t>(b[at + 4 * i]));
    }
    Surface out(width, height);
    for (int y = 0; y < height; ++y) {
        const auto* src = reinterpret_cast<const std::uint8_t*>(
            b.data() + offset + stride * (topDown ? y : height - 1 - y));
        Colour* dst = out.row(y);
        for (int x = 0; x < width; ++x) {
            if (bpp == 8) {
                dst[x] = palette[src[x]];
            } else if (bpp == 32) {
                const std::uint8_t* p = src + static_cast<std::size_t>(x) * 4;
                const std::uint32_t v =
                    p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24;
                dst[x] = rgb(red.of(v), green.of(v), blue.of(v));
            } else {
                const std::uint8_t* p = src + static_cast<std::size_t>(x) * (bpp / 8);
                dst[x] = rgb(p[2], p[1], p[0]);
            }
        }
    }
    return out;
}

Surface loadBmp(const std::filesystem::path& file) {
    return decodeBmp(readFile(file), file.string());
}

std::string encodeBmp(const Surface& picture) {
    const std::size_t stride = (static_cast<std::size_t>(picture.width()) * 3 + 3) / 4 * 4;
    std::string b = header(picture, 24, stride * picture.height(), 0);
    for (int y = picture.height() - 1; y >= 0; --y) {
        const Colour* row = picture.row(y);
        for (int x = 0; x < picture.width(); ++x) {
            b += static_cast<char>(blueOf(row[x]));
            b += static_cast<char>(greenOf(row[x]));
            b += static_cast<char>(redOf(row[x]));
        }
        b.append(stride - static_cast<std::size_t>(picture.width()) * 3, '\0');
    }
    return b;
}

std::string encodeBmpPaletted(const Surface& picture) {
    std::vector<Colour> palette;
    std::vector<std::uint8_t> indices(picture.pixels().size());
    std::size_t i = 0;
    for (Colour c : picture.pixels()) {
        auto it = std::find(palette.begin(), palette.end(), c);
        if (it == palette.end()) {
            if (palette.size() == 256) return encodeBmp(picture);
            palette.push_back(c);
            it = palette.end() - 1;
        }
        indices[i++] = static_cast<std::uint8_t>(it - palette.begin());
    }
    const std::size_t stride = (static_cast<std::size_t>(picture.width()) + 3) / 4 * 4;
    std::string b = header(picture, 8, stride * picture.height(), palette.size());
    for (Colour c : palette) {
        b += static_cast<char>(blueOf(c));
        b += static_cast<char>(greenOf(c));
        b += static_cast<char>(redOf(c));
        b += '\0';
    }
    for (int y = picture.height() - 1; y >= 0; --y) {
        const auto* row = indices.data() + static_cast<std::size_t>(y) * picture.width();
        b.append(reinterpret_cast<const char*>(row), static_cast<std::size_t>(picture.width()));
        b.append(stride - static_cast<std::size_t>(picture.width()), '\0');
    }
    return b;
}

void saveBmpPaletted(const Surface& picture, const std::filesystem::path& file) {
    writeFileAtomic(file, encodeBmpPaletted(picture));
}

void saveBmp(const Surface& picture, const std::filesystem::path& file) {
    writeFileAtomic(file, encodeBmp(picture));
}

}  // namespace kv

#include "title.h"

#include <algorithm>

#include "font.h"
#include "geometry.h"
#include "paint.h"

namespace kv::levelc {
namespace {

// The average colour of a scale x scale block.
Colour average(const Surface& s, int x0, int y0, int scale) {
    int r = 0, g = 0, b = 0, n = 0;
    for (int y = y0; y < y0 + scale; ++y)
        for (int x = x0; x < x0 + scale; ++x) {
            const auto p = s.pixel(x, y);
            if (p < 0) continue;
            const Colour c = static_cast<Colour>(p);
            r += redOf(c), g += greenOf(c), b += blueOf(c), ++n;
        }
    return n ? rgb(r / n, g / n, b / n) : 0;
}

void shadowText(Surface& s, int x, int y, const std::string& text, int scale, Colour c) {
    drawText(s, x + 1, y + 1, text, scale, rgb(0x10, 0x08, 0x04));
    drawText(s, x, y, text, scale, c);
}

}  // namespace

Surface renderTitle(const LevelMap& map, const LevelPictures& pictures) {
    constexpr int w = kTitleShownWidth, h = kTitleShownHeight;
    Surface card(kTitleWidth, kTitleHeight, rgb(0, 0, 0));
    card.fillRect(0, 0, w, h, rgb(0x18, 0x12, 0x20));
    // Bronze frame with a bevel.
    frameRect(card, 0, 0, w, h, rgb(0x40, 0x28, 0x10));
    frameRect(card, 1, 1, w - 2, h - 2, rgb(0xF0, 0xC8, 0x60));
    frameRect(card, 2, 2, w - 4, h - 4, rgb(0xC0, 0x88, 0x30));
    frameRect(card, 3, 3, w - 6, h - 6, rgb(0x60, 0x3C, 0x14));

    // The banner: "LEVEL N".
    const std::string words = "LEVEL " + std::to_string(map.number);
    for (int y = 4; y < 32; ++y)
        card.fillRect(4, y, w - 8, 1,
                      mix(rgb(0x50, 0x20, 0x60), rgb(0x20, 0x10, 0x30), (y - 4) * 9));
    shadowText(card, (w - textWidth(words, 2)) / 2, 10, words, 2, rgb(0xFF, 0xE8, 0x90));

    // A thumbnail of the level's own scenery, shrunk three times.
    constexpr int scale = 3, sceneX = 5, sceneY = 34, sceneW = w - 10, sceneH = h - 39;
    const int srcX = std::clamp(std::stoi(map.property("titleX", "0")), 0,
                                pictures.background.width() - sceneW * scale);
    const int srcY = kBackgroundHeight - sceneH * scale;
    for (int y = 0; y < sceneH; ++y)
        for (int x = 0; x < sceneW; ++x)
            card.setPixel(sceneX + x, sceneY + y,
                          average(pictures.background, srcX + x * scale, srcY + y * scale, scale));
    frameRect(card, sceneX - 1, sceneY - 1, sceneW + 2, sceneH + 2, rgb(0x60, 0x3C, 0x14));

    const std::string name = map.property("name");
    if (!name.empty()) {
        const int nameW = textWidth(name, 1);
        const int x = (w - nameW) / 2;
        for (int y = sceneY + sceneH - 12; y < sceneY + sceneH - 1; ++y)
            for (int px = x - 3; px < x + nameW + 3; ++px) {
                const auto p = card.pixel(px, y);
                if (p >= 0) card.setPixel(px, y, mix(static_cast<Colour>(p), 0, 150));
            }
        drawText(card, x, sceneY + sceneH - 10, name, 1, rgb(0xFF, 0xFF, 0xFF));
    }
    return card;
}

Surface renderPreview(const LevelPictures& p, int scale) {
    scale = std::max(scale, 1);
    const int bw = p.background.width() / scale, bh = p.background.height() / scale;
    const int mw = p.mask.width() / scale, mh = p.mask.height() / scale;
    Surface out(bw + 6 + mw, std::max(bh, mh), rgb(0x40, 0x40, 0x40));
    for (int y = 0; y < bh; ++y)
        for (int x = 0; x < bw; ++x)
            out.setPixel(x, y, average(p.background, x * scale, y * scale, scale));
    for (int y = 0; y < mh; ++y)
        for (int x = 0; x < mw; ++x) {
            int ground = 0, hazard = 0;
            for (int yy = y * scale; yy < (y + 1) * scale; ++yy)
                for (int xx = x * scale; xx < (x + 1) * scale; ++xx) {
                    const auto c = p.mask.pixel(xx, yy);
                    ground += c == static_cast<std::int64_t>(p.ground);
                    hazard += c == static_cast<std::int64_t>(p.hazard);
                }
            const Colour c = hazard                        ? rgb(0xE0, 0x20, 0x20)
                             : ground * 2 >= scale * scale ? rgb(0x20, 0x20, 0x20)
                                                           : rgb(0xF8, 0xF8, 0xF8);
            out.setPixel(
                bw + 6 + x, y,
                y * scale == kScreenHeight / scale * scale ? mix(c, rgb(0, 0x80, 0xFF), 128) : c);
        }
    return out;
}

Surface renderTestPicture() {
    Surface s(32, 32, rgb(0x70, 0xB0, 0xF0));
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if ((x / 8 + y / 8) % 2) s.setPixel(x, y, rgb(0xF0, 0xF0, 0xF0));
    return s;
}

}  // namespace kv::levelc

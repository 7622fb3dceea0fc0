#include "art/intro_art.h"

#include <memory>

#include "art/lettering.h"
#include "art/paint.h"
#include "art/palette.h"

namespace kv {
namespace {

using namespace palette;

// The part of a banner the slot shows: columns 11..289 and rows 1..31 (the slot is 279 x 31 at
// x = 161, y = 121; the banner is drawn at 150, 120).
constexpr Rect Slot{11, 1, 278, 31};

}  // namespace

Picture introBannerMask(const TextRenderer& text, int stage) {
    const char* const words[3] = {"DRAVEX", "PRESENTS", "Kvorlin"};
    const char* word = words[stage < 0 ? 0 : stage > 2 ? 2 : stage];
    Surface s(300, 38, Black);

    // Wide, forward-leaning capitals with speed lines trailing to the left.
    Lettering l;
    l.size = 30;
    l.fill = {White};
    l.outline = White;  // a pixel bolder, so more of the backdrop shows through
    l.outlineWidth = 1;
    l.slant = 0.2;
    l.tracking = stage == 1 ? 3 : 2;
    Rect letters{Slot.x + 34, Slot.y + 2, Slot.w - 36, Slot.h - 4};
    drawLettering(s, text, letters, word, l);
    for (int y = 0; y < 38; ++y)
        for (int x = 0; x < 300; ++x)
            if (redOf(static_cast<Colour>(s.pixel(x, y))) < 128)
                s.setPixel(x, y, Black);
            else
                s.setPixel(x, y, White);
    int left = 300;
    for (int y = 0; y < 38; ++y)
        for (int x = 0; x < 300; ++x)
            if (s.pixel(x, y) != Black && x < left) left = x;
    const int lines[3][2] = {{9, 26}, {16, 18}, {23, 10}};  // row, length
    for (const auto& [row, length] : lines) s.fillRect(left - 5 - length, row, length, 2, White);
    return std::make_shared<const Surface>(std::move(s));
}

Picture introBannerImage() {
    return std::make_shared<const Surface>(Surface(300, 38, Black));
}

Picture introBackdrop(int which) {
    Surface s(640, 200, Black);
    ArtRandom rnd(which == 0 ? 11 : 23);
    const Colour blue[3] = {rgb(0, 60, 230), rgb(20, 130, 255), rgb(0, 190, 240)};
    const Colour red[3] = {rgb(230, 30, 0), rgb(255, 110, 0), rgb(240, 190, 20)};
    const Colour* tones = which == 0 ? blue : red;
    const Colour hot = which == 0 ? rgb(150, 200, 255) : rgb(255, 220, 150);
    // Blobs on a jittered grid, so every band the slot shows is well filled, then smaller ones.
    for (int gy = -6; gy < 200; gy += 28)
        for (int gx = -6; gx < 640; gx += 30)
            addGlow(s, gx + rnd.between(0, 26), gy + rnd.between(0, 24), rnd.between(22, 34),
                    tones[rnd.between(0, 2)]);
    for (int i = 0; i < 60; ++i) {
        const double x = rnd.between(0, 639), y = rnd.between(0, 199);
        addGlow(s, x, y, rnd.between(6, 14), hot);
    }
    return std::make_shared<const Surface>(std::move(s));
}

Picture introCreditLine(const TextRenderer& text) {
    Surface s(297, 34, Black);
    Lettering small = silverLetters(10);
    small.fill = {rgb(170, 176, 196), rgb(110, 116, 140)};
    small.align = TextStyle::Align::Right;
    drawLettering(s, text, {0, 2, 150, 30}, "a game by", small);
    Lettering name = silverLetters(20);
    name.slant = 0.15;
    name.shineAlpha = 200;
    name.align = TextStyle::Align::Left;
    drawLettering(s, text, {158, 2, 120, 30}, "DRAVEX", name);
    drawSparkle(s, 286, 9, 4, Gold);
    drawSparkle(s, 283, 24, 2.5, rgb(160, 200, 255));
    return std::make_shared<const Surface>(std::move(s));
}

}  // namespace kv

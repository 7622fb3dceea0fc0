#include "art/panels.h"

#include <algorithm>

#include "art/paint.h"
#include "art/palette.h"

namespace kv {

void drawRaisedPanel(Surface& s, const Rect& r, const std::vector<Colour>& face) {
    fillGradient(s, r, face);
    drawFrame(s, r, palette::Navy);
    drawBevel(s, {r.x + 1, r.y + 1, r.w - 2, r.h - 2}, 2, palette::White, palette::Steel);
}

void drawSunkenWell(Surface& s, const Rect& r, const std::vector<Colour>& face) {
    fillGradient(s, r, face);
    drawBevel(s, r, 1, palette::Steel, palette::White);
    drawBevel(s, {r.x + 1, r.y + 1, r.w - 2, r.h - 2}, 1, palette::Navy, rgb(200, 206, 226));
}

void drawButton(Surface& s, const TextRenderer& text, const Rect& r, Colour face,
                std::string_view words, int size) {
    const Colour light = mixColour(face, palette::White, 150);
    const Colour dark = mixColour(face, palette::Black, 110);
    const Rect inner{r.x + 1, r.y + 1, r.w - 2, r.h - 2};
    fillGradient(s, inner, {mixColour(face, palette::White, 90), face, dark});
    drawBevel(s, inner, 2, light, mixColour(face, palette::Black, 160));
    // The corners are rounded off by a pixel so the button does not look like a plain box.
    drawFrame(s, r, palette::Navy);
    for (const auto& [x, y] :
         {std::pair{r.x, r.y}, std::pair{r.x + r.w - 1, r.y}, std::pair{r.x, r.y + r.h - 1},
          std::pair{r.x + r.w - 1, r.y + r.h - 1}})
        s.setPixel(x, y, palette::White);
    Lettering l = palette::titleLetters(size);
    l.shadow = palette::Navy;
    l.shadowAlpha = 200;
    l.shadowX = l.shadowY = 1;
    l.slant = 0.1;
    drawLettering(s, text, {r.x + 4, r.y + 3, r.w - 8, r.h - 6}, words, l);
}

void drawRule(Surface& s, int x, int y, int w, Colour c) {
    for (int i = 0; i < w; ++i) {
        const int edge = std::min(i, w - 1 - i);
        const int alpha = std::min(255, edge * 255 / std::max(1, w / 4));
        blendPixel(s, x + i, y, c, alpha);
    }
}

}  // namespace kv

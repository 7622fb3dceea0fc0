#include "art/game_menu_art.h"

#include <memory>

#include "art/lettering.h"
#include "art/paint.h"
#include "art/palette.h"
#include "art/panels.h"

namespace kv {
namespace {

using namespace palette;

Surface panelSurface() {
    Surface s(200, 100, White);
    drawFrame(s, {0, 0, 200, 100}, Navy);
    drawBevel(s, {1, 1, 198, 98}, 1, Mist, Steel);
    // A light band under the title and a faint one at the foot, framing the items.
    s.fillRect(2, 96, 196, 2, Mist);
    return s;
}

}  // namespace

Picture gameMenuPanel() {
    return std::make_shared<const Surface>(panelSurface());
}

Picture gameMenuTitle(const TextRenderer& text) {
    const Surface panel = panelSurface();
    Surface s(200, 29, White);
    blit(s, 0, 0, 200, 29, panel, 0, 0, Rop::Copy);
    fillGradient(s, {2, 2, 196, 13}, {rgb(236, 242, 255), White});

    Lettering title = darkBlueLetters(11);
    title.shadowX = title.shadowY = 1;
    title.fill = {rgb(110, 160, 255), rgb(30, 70, 220), rgb(10, 30, 150)};
    drawLettering(s, text, {2, 2, 196, 14}, "IN GAME - MENU", title);

    Lettering pause;
    pause.size = 8;
    pause.fill = {rgb(110, 116, 140)};
    pause.tracking = 3;
    drawLettering(s, text, {2, 16, 196, 11}, "PAUSE", pause);
    drawRule(s, 40, 27, 120, Mist);
    return std::make_shared<const Surface>(std::move(s));
}

Picture gameMenuItem(const TextRenderer& text, GameMenuItem item, bool highlighted) {
    struct Look {
        const char* words;
        int w, h;
        Rect letters;
    };
    // MENU lies over the bottom two rows of CONTINUE, and EXIT over the bottom row of MENU.
    const Look look = item == GameMenuItem::Continue ? Look{"CONTINUE", 107, 19, {0, 0, 107, 17}}
                      : item == GameMenuItem::Menu   ? Look{"MENU", 57, 14, {0, 0, 57, 13}}
                                                     : Look{"EXIT", 50, 19, {0, 0, 50, 19}};
    Surface s(look.w, look.h, White);
    Lettering letters = redLetters(look.h >= 19 ? 12 : 10);
    if (highlighted) {
        // A pale gold band behind the words; it stays within the item's own picture.
        fillRoundRect(s, 0, 0, look.w, look.h, 4, rgb(255, 238, 176));
        letters.fill = {rgb(236, 70, 40), rgb(170, 0, 0), rgb(90, 0, 0)};
        letters.outline = rgb(40, 0, 0);
        letters.shadow = Gold;
        letters.shadowAlpha = 255;
    }
    drawLettering(s, text, look.letters, look.words, letters);
    return std::make_shared<const Surface>(std::move(s));
}

}  // namespace kv

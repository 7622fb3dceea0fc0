#include "art/boss_art.h"

#include <memory>

#include "art/lettering.h"
#include "art/paint.h"
#include "art/palette.h"
#include "art/panels.h"

namespace kv {

using namespace palette;

Picture bossSpeechBox() {
    Surface s(377, 105, White);
    drawFrame(s, {0, 0, 377, 105}, GrapeDark);
    drawBevel(s, {1, 1, 375, 103}, 3, GrapeLight, GrapeDark);
    s.fillRect(4, 4, 369, 97, Grape);
    // A purple band along the top with gold studs, the rest white for the words.
    fillGradient(s, {4, 4, 369, 15}, {GrapeLight, Grape, GrapeDark});
    for (int x = 14; x < 370; x += 22) fillEllipse(s, x + 0.5, 11.5, 2.2, 2.2, Gold);
    drawSparkle(s, 188.5, 11.5, 5, rgb(255, 240, 170));
    s.fillRect(6, 21, 365, 78, White);
    drawBevel(s, {5, 20, 367, 80}, 1, GrapeDark, GrapeLight);
    return std::make_shared<const Surface>(std::move(s));
}

Picture farewellBox(const TextRenderer& text) {
    Surface s(377, 105, White);
    drawRaisedPanel(s, {0, 0, 377, 105}, {White});
    Lettering heading = titleLetters(26);
    heading.fill = {rgb(255, 210, 120), rgb(255, 90, 30), rgb(200, 10, 10), rgb(120, 0, 20)};
    drawLettering(s, text, {4, 4, 369, 32}, "GAME OVER", heading);
    drawRule(s, 60, 37, 257, Mist);
    return std::make_shared<const Surface>(std::move(s));
}

Picture bossLifeBar() {
    Surface s(300, 25, Black);
    fillGradient(s, {0, 0, 300, 25},
                 {rgb(255, 190, 150), rgb(250, 70, 40), rgb(200, 16, 16), rgb(110, 0, 10)});
    // A glossy streak along the top, and notches every twenty pixels to count the damage by.
    s.fillRect(0, 3, 300, 2, rgb(255, 214, 190));
    for (int x = 19; x < 300; x += 20) {
        s.fillRect(x, 2, 1, 21, rgb(130, 0, 10));
        s.fillRect(x + 1, 2, 1, 21, rgb(255, 130, 110));
    }
    s.fillRect(0, 0, 300, 1, GrapeDark);
    s.fillRect(0, 24, 300, 1, GrapeDark);
    s.fillRect(0, 0, 1, 25, GrapeDark);
    return std::make_shared<const Surface>(std::move(s));
}

Picture bossLifeFrame() {
    Surface s(300, 25, GrapeDark);
    fillGradient(s, {0, 0, 300, 25}, {rgb(20, 10, 34), GrapeDark, rgb(60, 36, 96)});
    for (int x = 19; x < 300; x += 20) s.fillRect(x, 3, 1, 19, rgb(80, 52, 120));
    drawBevel(s, {0, 0, 300, 25}, 1, rgb(16, 8, 28), GrapeLight);
    return std::make_shared<const Surface>(std::move(s));
}

}  // namespace kv

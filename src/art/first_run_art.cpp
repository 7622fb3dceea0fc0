#include "art/first_run_art.h"

#include <memory>

#include "art/lettering.h"
#include "art/paint.h"
#include "art/palette.h"
#include "art/panels.h"

namespace kv {

using namespace palette;

Picture firstRunLogo(const TextRenderer& text) {
    Surface s(319, 65, White);
    drawLettering(s, text, {0, 0, 319, 44}, "Kvorlin", titleLetters(40));
    Lettering sub = darkBlueLetters(13);
    sub.shadowX = sub.shadowY = 1;
    sub.slant = 0.12;
    drawLettering(s, text, {0, 44, 319, 19}, "First run Test", sub);
    drawSparkle(s, 56, 14, 5, Gold);
    drawSparkle(s, 266, 30, 5.5, Gold);
    drawSparkle(s, 275, 11, 3, rgb(120, 190, 255));
    drawRule(s, 10, 63, 299, Mist);
    return std::make_shared<const Surface>(std::move(s));
}

Picture firstRunGoButton(const TextRenderer& text) {
    Surface s(73, 47, White);
    drawButton(s, text, {0, 0, 73, 47}, rgb(40, 170, 60), "GO !", 26);
    return std::make_shared<const Surface>(std::move(s));
}

Picture firstRunVolumeButton(const TextRenderer& text, std::string_view words) {
    Surface s(65, 17, White);
    const Rect face{1, 1, 63, 15};
    fillGradient(s, face, {rgb(246, 248, 252), rgb(214, 220, 234)});
    drawBevel(s, face, 1, White, Steel);
    drawFrame(s, {0, 0, 65, 17}, Navy);
    TextStyle style;
    style.size = 9;
    style.fore = Navy;
    style.align = TextStyle::Align::Center;
    const int y = (17 - text.lineHeight(style)) / 2;
    text.draw(s, 2, y, 61, 17 - y, words, false, style);
    return std::make_shared<const Surface>(std::move(s));
}

Picture firstRunBackground() {
    Surface s(486, 169, White);
    drawFrame(s, {0, 0, 486, 169}, Steel);
    drawFrame(s, {2, 2, 482, 165}, Mist);
    // A soft blue glow behind the volume buttons and the GO button, bottom right.
    for (int y = 90; y < 166; ++y)
        for (int x = 300; x < 483; ++x) {
            const int t = (y - 90) * 255 / 76 * (x - 300) / 183;
            s.setPixel(x, y, mixColour(White, rgb(226, 236, 255), t));
        }
    return std::make_shared<const Surface>(std::move(s));
}

}  // namespace kv

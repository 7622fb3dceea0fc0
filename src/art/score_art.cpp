#include "art/score_art.h"

#include <memory>

#include "art/lettering.h"
#include "art/paint.h"
#include "art/palette.h"
#include "art/panels.h"

namespace kv {

using namespace palette;

Picture scoreBackground(const TextRenderer& text) {
    Surface s(640, 343, White);
    drawFrame(s, {0, 0, 640, 343}, Black);
    drawFrame(s, {3, 3, 634, 337}, Mist);
    // The table: names from x = 159, scores to x = 417, rows from y = 104 to 272.
    drawSunkenWell(s, {150, 97, 276, 183}, {rgb(236, 240, 252), rgb(214, 222, 244)});
    drawRule(s, 40, 316, 560, Steel);
    Lettering foot = darkBlueLetters(10);
    foot.shadowAlpha = 0;
    foot.outlineWidth = 0;
    foot.fill = {Navy};
    foot.tracking = 1;
    drawLettering(s, text, {0, 320, 640, 18}, "Kvorlin  -  High Score Table", foot);
    return std::make_shared<const Surface>(std::move(s));
}

Picture scoreTitle(const TextRenderer& text) {
    Surface s(224, 59, White);
    drawLettering(s, text, {0, 0, 224, 26}, "!! HIGH !!", darkBlueLetters(20));
    drawLettering(s, text, {0, 24, 224, 35}, "SCORE", titleLetters(30));
    return std::make_shared<const Surface>(std::move(s));
}

Picture nameEntryPanel(const TextRenderer& text) {
    Surface s(425, 265, White);
    drawRaisedPanel(s, {0, 0, 425, 265}, {White, rgb(240, 244, 252)});
    Lettering head = titleLetters(28);
    drawLettering(s, text, {6, 16, 413, 44}, "!! HIGH !! SCORE", head);
    drawRule(s, 40, 70, 345, Steel);
    drawSunkenWell(s, {181, 109, 167, 25}, {White});
    Lettering label = darkBlueLetters(13);
    label.shadowX = label.shadowY = 1;
    label.align = TextStyle::Align::Right;
    drawLettering(s, text, {40, 110, 134, 22}, "Your Name :", label);
    return std::make_shared<const Surface>(std::move(s));
}

Picture scoreOkButton(const TextRenderer& text) {
    Surface s(71, 37, White);
    drawButton(s, text, {0, 0, 71, 37}, rgb(40, 100, 210), "OK ?", 21);
    return std::make_shared<const Surface>(std::move(s));
}

Picture scoreOkButtonLit(const TextRenderer& text) {
    Surface s(71, 37, White);
    drawButton(s, text, {0, 0, 71, 37}, rgb(90, 160, 250), "OK ?", 21);
    return std::make_shared<const Surface>(std::move(s));
}

}  // namespace kv

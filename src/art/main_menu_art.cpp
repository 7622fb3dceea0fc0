#include "art/main_menu_art.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "art/lettering.h"
#include "art/paint.h"
#include "art/palette.h"
#include "art/panels.h"

namespace kv {
namespace {

using namespace palette;

const char* const HelpText =
    "Hra má 6 epizod po 2 levelech, celkem tedy 12 levelů. Hlavní protivník čeká ve 12. levelu "
    "a když ho porazíš, hra končí. Hraje se šipkami a mezerníkem, v posledním levelu se střílí "
    "klávesou Ctrl. Víc nepotřebuješ, snad jen pevné nervy a rychlé reakce.";
const char* const CreditsText =
    "Program, obrázky, levely i hudbu vytvořil DRAVEX. Díky všem, kdo hrají, skáčou a hledají "
    "skryté cesty!";

Picture share(Surface s) {
    return std::make_shared<const Surface>(std::move(s));
}

int textWidth(const TextRenderer& text, std::string_view words, int size, bool bold) {
    TextStyle st;
    st.size = size;
    st.bold = bold;
    return text.textWidth(words, st);
}

// A small diamond, the menu's bullet.
void drawDiamond(Surface& s, double cx, double cy, double r, Colour c) {
    fillPolygon(s, {{cx, cy - r}, {cx + r, cy}, {cx, cy + r}, {cx - r, cy}}, c);
}

// Text lines from (x, y), wrapped to w, in one colour.
void drawProse(Surface& s, const TextRenderer& text, const Rect& r, std::string_view words,
               Colour c, int size) {
    TextStyle st;
    st.size = size;
    st.fore = c;
    text.draw(s, r.x, r.y, r.w, r.h, words, true, st);
}

// Where the black begins in each quarter column, in pixels from the top: a slow wave, torn
// into small jags, with a few deep notches where the cloth gave way.
std::vector<double> tornEdge(int width) {
    ArtRandom rnd(1999);
    std::vector<std::pair<double, double>> knots;
    double x = -4;
    int sinceNotch = 0;
    while (x <= width + 8) {
        const double wave = 30 + 6 * std::sin(x / 83.0) + 4 * std::sin(x / 29.0 + 1.3);
        knots.emplace_back(x, wave + rnd.between(-3, 3) * 0.8);
        if (++sinceNotch > 6 && rnd.between(0, 9) == 0) {
            // A notch: a narrow tear reaching well down into the cloth.
            sinceNotch = 0;
            const double depth = rnd.between(9, 17);
            knots.emplace_back(x + 1.5, wave + depth * 0.5);
            knots.emplace_back(x + 3, wave + depth);
            knots.emplace_back(x + 4.5, wave + depth * 0.4);
            x += 5;
        }
        x += rnd.between(2, 6);
    }
    std::vector<double> edge(static_cast<std::size_t>(width) * 4);
    std::size_t k = 0;
    for (std::size_t i = 0; i < edge.size(); ++i) {
        const double px = (i + 0.5) / 4;
        while (k + 2 < knots.size() && knots[k + 1].first < px) ++k;
        const auto [x0, y0] = knots[k];
        const auto [x1, y1] = knots[k + 1];
        edge[i] = std::clamp(y0 + (y1 - y0) * (px - x0) / (x1 - x0), 2.0, 52.0);
    }
    return edge;
}

}  // namespace

Picture menuTitleStrip(const TextRenderer& text) {
    Surface s(640, 64, White);
    // The bottom rows stay white: they peek into the menu before the strip slides down.
    const int titleSize = drawLettering(s, text, {0, 0, 640, 43}, "KVORLIN", titleLetters(44));
    const int half = textWidth(text, "KVORLIN", titleSize, true) / 2;
    drawSparkle(s, 320 - half - 18, 12, 6, Gold);
    drawSparkle(s, 320 - half - 30, 28, 3.5, rgb(120, 190, 255));
    drawSparkle(s, 320 + half + 24, 9, 4, rgb(120, 190, 255));
    drawSparkle(s, 320 + half + 16, 33, 6.5, Gold);

    Lettering sub = darkBlueLetters(14);
    sub.shadowX = sub.shadowY = 1;
    const int subSize = drawLettering(s, text, {0, 42, 640, 17}, "Hlavní menu", sub);
    const int gap = textWidth(text, "Hlavní menu", subSize, true) / 2 + 14;
    for (const int dir : {-1, 1}) {
        const int inner = 320 + dir * gap;
        drawRule(s, dir < 0 ? inner - 150 : inner, 51, 150, Steel);
        drawRule(s, dir < 0 ? inner - 110 : inner, 53, 110, Mist);
        drawDiamond(s, inner + 0.5, 51.5, 3, rgb(64, 136, 228));
    }
    return share(std::move(s));
}

Picture menuItemLook(const TextRenderer& text, std::string_view words, bool highlighted) {
    Surface s(122, 29, White);
    // One size for all four items, so the words stand on the same line whatever their length.
    drawLettering(s, text, {0, 0, 122, 29}, words,
                  highlighted ? darkBlueLetters(18) : lightBlueLetters(18));
    return share(std::move(s));
}

Picture curtainEdge() {
    Surface s(640, 54, White);
    const std::vector<double> edge = tornEdge(640);
    ArtRandom fibres(77);
    for (int x = 0; x < 640; ++x) {
        // Torn cloth shows a grey fringe of loose threads along its edge, wider here and there.
        const int fringe = 3 + (fibres.between(0, 3) == 0 ? fibres.between(1, 3) : 0);
        for (int y = 0; y < 54; ++y) {
            // Four samples a pixel across, so the jags have smooth sides.
            int cover = 0;
            double depth = 1e9;
            for (int k = 0; k < 4; ++k) {
                const double e = edge[static_cast<std::size_t>(x) * 4 + k];
                cover += static_cast<int>(std::clamp(y + 1 - e, 0.0, 1.0) * 64);
                depth = std::min(depth, y + 0.5 - e);
            }
            const double t = std::clamp(depth / fringe, 0.0, 1.0);
            const int grey = static_cast<int>(96 * (1 - t) * (1 - t));
            const Colour cloth = rgb(grey, grey, grey + grey / 5);
            s.setPixel(x, y, mixColour(White, cloth, std::min(255, cover)));
        }
        // Now and then a loose thread sticks out over the white.
        if (fibres.between(0, 4) == 0) {
            const int top = static_cast<int>(edge[static_cast<std::size_t>(x) * 4 + 1]);
            const int len = fibres.between(1, 4);
            for (int i = 1; i <= len; ++i)
                blendPixel(s, x + (i > 2 ? fibres.between(-1, 1) : 0), top - i, rgb(70, 70, 80),
                           200 - i * 35);
        }
    }
    return share(std::move(s));
}

Picture menuFooter(const TextRenderer& text) {
    Surface s(640, 21, Black);
    fillGradient(s, {0, 0, 640, 21}, {rgb(58, 86, 176), rgb(28, 44, 118), rgb(14, 22, 70)});
    s.fillRect(0, 0, 640, 1, rgb(150, 176, 240));
    s.fillRect(0, 20, 640, 1, rgb(6, 10, 36));
    Lettering l = silverLetters(11);
    l.slant = 0.12;
    const int size = drawLettering(s, text, {0, 1, 640, 19}, "Kvorlin  ·  hru vytvořil DRAVEX", l);
    const int half = textWidth(text, "Kvorlin  ·  hru vytvořil DRAVEX", size, true) / 2;
    for (const int dir : {-1, 1}) {
        drawSparkle(s, 320 + dir * (half + 16), 10.5, 4.5, Gold);
        drawSparkle(s, 320 + dir * (half + 30), 10.5, 2.5, rgb(160, 200, 255));
    }
    return share(std::move(s));
}

Picture helpPanel(const TextRenderer& text) {
    Surface s(347, 80, White);
    drawRaisedPanel(s, {0, 0, 347, 80}, {rgb(246, 250, 255), rgb(212, 228, 252)});
    drawProse(s, text, {9, 4, 331, 56}, HelpText, Navy, 9);
    return share(std::move(s));
}

Picture creditsPanel(const TextRenderer& text) {
    Surface s(347, 80, White);
    drawRaisedPanel(s, {0, 0, 347, 80}, {rgb(255, 251, 236), rgb(252, 232, 186)});
    Lettering head = titleLetters(15);
    head.shadowAlpha = 0;
    head.align = TextStyle::Align::Left;
    drawLettering(s, text, {9, 4, 120, 17}, "Kvorlin", head);
    drawProse(s, text, {9, 21, 331, 26}, CreditsText, rgb(104, 52, 6), 9);
    return share(std::move(s));
}

Picture soundOnIcon() {
    Surface s(20, 20, White);
    // The box and the cone of the speaker, in dark steel with a lighter face.
    fillPolygon(s, {{2, 7}, {6.5, 7}, {12, 2}, {12, 18}, {6.5, 13}, {2, 13}}, Navy);
    fillPolygon(s, {{3, 8}, {6, 8}, {6, 12}, {3, 12}}, rgb(92, 112, 170));
    fillPolygon(s, {{7, 8}, {11, 4.2}, {11, 15.8}, {7, 12}}, rgb(60, 76, 136));
    s.fillRect(3, 8, 3, 1, rgb(170, 188, 236));
    // Two sound waves.
    drawArc(s, 11, 10, 3.6, -0.9, 0.9, 1.6, rgb(34, 86, 176));
    drawArc(s, 11, 10, 6.8, -0.95, 0.95, 1.6, rgb(64, 136, 228));
    return share(std::move(s));
}

Picture soundOffIcon() {
    Surface s = *soundOnIcon();
    // A bold red cross with a thin dark edge, so it reads on white and over the speaker.
    for (const auto& [a, b] :
         {std::pair{PointF{2, 2}, PointF{18, 18}}, std::pair{PointF{18, 2}, PointF{2, 18}}})
        drawLine(s, a, b, 3.4, rgb(110, 0, 0));
    for (const auto& [a, b] : {std::pair{PointF{2.5, 2.5}, PointF{17.5, 17.5}},
                               std::pair{PointF{17.5, 2.5}, PointF{2.5, 17.5}}})
        drawLine(s, a, b, 2.0, Signal);
    return share(std::move(s));
}

}  // namespace kv

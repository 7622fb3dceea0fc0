#pragma once
// The colours and letter styles every fixed picture shares, so the screens look like one game.
#include "art/lettering.h"

namespace kv::palette {

constexpr Colour White = rgb(255, 255, 255);
constexpr Colour Black = rgb(0, 0, 0);
constexpr Colour Navy = rgb(18, 26, 74);      // outlines and small print
constexpr Colour Steel = rgb(120, 132, 172);  // the dark side of a bevel on white
constexpr Colour Mist = rgb(226, 232, 246);   // faint shadows and rules on white
constexpr Colour Sky = rgb(112, 176, 240);    // the light levels' sky
constexpr Colour Grape = rgb(76, 44, 116);    // the boss's own colours
constexpr Colour GrapeDark = rgb(46, 26, 74);
constexpr Colour GrapeLight = rgb(150, 112, 204);
constexpr Colour Gold = rgb(244, 200, 56);
constexpr Colour Signal = rgb(225, 20, 20);  // crossed out, warnings

// The game's title: a gold-to-red fill leaning forward, navy outline, soft shadow.
inline Lettering titleLetters(int size) {
    Lettering l;
    l.size = size;
    l.fill = {rgb(255, 250, 175), rgb(255, 212, 40), rgb(255, 138, 0), rgb(206, 52, 10)};
    l.shineAlpha = 200;
    l.outline = Navy;
    l.outlineWidth = size >= 30 ? 2 : 1;
    l.shadow = rgb(150, 160, 200);
    l.shadowX = size >= 30 ? 3 : 2;
    l.shadowY = l.shadowX;
    l.shadowAlpha = 150;
    l.slant = 0.18;
    return l;
}

// Blue words on white: light for the menu's resting items, dark for headings and hovered items.
inline Lettering lightBlueLetters(int size) {
    Lettering l;
    l.size = size;
    l.fill = {rgb(215, 238, 255), rgb(125, 190, 252), rgb(64, 136, 228)};
    l.shineAlpha = 160;
    l.outline = rgb(34, 86, 176);
    l.outlineWidth = 1;
    l.shadow = rgb(170, 182, 214);
    l.shadowX = 2;
    l.shadowY = 2;
    l.shadowAlpha = 140;
    return l;
}

inline Lettering darkBlueLetters(int size) {
    Lettering l = lightBlueLetters(size);
    l.fill = {rgb(100, 150, 240), rgb(34, 76, 190), rgb(12, 30, 118)};
    l.shineAlpha = 110;
    l.outline = rgb(6, 14, 60);
    l.shadow = rgb(120, 160, 230);
    return l;
}

// Red words on white, for the in-game menu's items and warnings.
inline Lettering redLetters(int size) {
    Lettering l;
    l.size = size;
    l.fill = {rgb(255, 150, 120), rgb(236, 28, 20), rgb(150, 0, 0)};
    l.shineAlpha = 140;
    l.outline = rgb(84, 0, 0);
    l.outlineWidth = 1;
    l.shadow = rgb(200, 190, 190);
    l.shadowX = 1;
    l.shadowY = 1;
    l.shadowAlpha = 160;
    return l;
}

// Silver words for dark grounds.
inline Lettering silverLetters(int size) {
    Lettering l;
    l.size = size;
    l.fill = {rgb(255, 255, 255), rgb(200, 210, 232), rgb(130, 144, 180)};
    l.outline = rgb(10, 14, 40);
    l.outlineWidth = 1;
    l.shadow = Black;
    l.shadowX = 1;
    l.shadowY = 1;
    l.shadowAlpha = 255;
    return l;
}

}  // namespace kv::palette

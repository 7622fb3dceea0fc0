#pragma once
// Bold display lettering for the fixed pictures: a line of words with a gradient fill, a shine
// along the top edges, one or two outlines, a drop shadow and an optional italic lean.
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/control.h"
#include "platform/text.h"

namespace kv {

// How much of each pixel the letters cover, 0..255.
struct Ink {
    int width = 0, height = 0;
    int capTop = 0, baseline = 0;  // rows of the top and the foot of the capital letters
    std::vector<std::uint8_t> cover;

    int at(int x, int y) const {
        if (x < 0 || y < 0 || x >= width || y >= height) return 0;
        return cover[static_cast<std::size_t>(y) * width + x];
    }
    // The smallest rectangle holding every covered pixel (empty when nothing is covered).
    Rect bounds() const;
};

// One line of words as ink, with a margin of `pad` pixels all round. `tracking` adds pixels
// between letters; `slant` leans the letters right by that many pixels per row above the foot.
Ink inkLine(const TextRenderer& text, std::string_view words, int size, bool bold, int tracking,
            double slant, int pad);
// The ink widened by a round pen of radius r (an outline r pixels thick around the letters).
Ink grownInk(const Ink& ink, int r);
// Lays the ink over dst at (dx, dy) in one colour, at most `alpha` opaque.
void paintInk(Surface& dst, const Ink& ink, int dx, int dy, Colour c, int alpha = 255);

struct Lettering {
    int size = 16;  // the largest font size tried; smaller ones are tried until the words fit
    bool bold = true;
    std::vector<Colour> fill{rgb(0, 0, 0)};  // top-to-bottom over the capitals
    Colour shine = rgb(255, 255, 255);       // a light line along the letters' top edges
    int shineAlpha = 0;
    Colour outline = rgb(0, 0, 0);
    int outlineWidth = 0;
    Colour rim = rgb(255, 255, 255);  // a second outline outside the first
    int rimWidth = 0;
    Colour shadow = rgb(0, 0, 0);
    int shadowX = 0, shadowY = 0, shadowAlpha = 0;
    double slant = 0;
    int tracking = 0;
    int nudgeY = 0;  // moves the words down from the middle of the box
    TextStyle::Align align = TextStyle::Align::Center;
};

// The largest size, up to style.size, at which every one of the lines fits `box` (so a set of
// menu words can share one size).
int fittingSize(const TextRenderer& text, const Rect& box,
                const std::vector<std::string_view>& lines, const Lettering& style);
// Draws one line into box of dst, the capitals centred on the box's middle row; returns the size
// used.
int drawLettering(Surface& dst, const TextRenderer& text, const Rect& box, std::string_view words,
                  const Lettering& style);

}  // namespace kv

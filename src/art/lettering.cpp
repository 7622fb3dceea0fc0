#include "art/lettering.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "art/paint.h"

namespace kv {
namespace {

constexpr int SmallestSize = 5;

std::size_t charEnd(std::string_view s, std::size_t i) {
    const auto lead = static_cast<unsigned char>(s[i]);
    std::size_t len = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    return std::min(s.size(), i + len);
}

// Rows holding the capital H: its top and the row below its foot.
std::pair<int, int> capitalRows(const TextRenderer& text, const TextStyle& style) {
    const int h = text.lineHeight(style);
    Surface probe(text.textWidth("H", style) + 2, h, 0);
    text.draw(probe, 1, 0, probe.width(), h, "H", false, style);
    int top = -1, bottom = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < probe.width(); ++x)
            if (redOf(static_cast<Colour>(probe.pixel(x, y))) > 127) {
                if (top < 0) top = y;
                bottom = y + 1;
            }
    if (top < 0) return {0, h};
    return {top, bottom};
}

struct Placed {
    Ink ink;
    int x = 0, y = 0;  // where the ink's top-left corner goes
    bool fits = false;
};

Placed place(const TextRenderer& text, const Rect& box, std::string_view words, const Lettering& st,
             int size) {
    const int margin = st.outlineWidth + st.rimWidth;
    Placed p;
    p.ink = inkLine(text, words, size, st.bold, st.tracking, st.slant, margin + 2);
    Rect b = p.ink.bounds();
    if (b.empty()) {
        p.fits = true;
        return p;
    }
    int left = b.x - margin, right = b.x + b.w + margin;
    int top = b.y - margin, bottom = b.y + b.h + margin;
    if (st.shadowAlpha > 0) {
        left = std::min(left, left + st.shadowX);
        right = std::max(right, right + st.shadowX);
        top = std::min(top, top + st.shadowY);
        bottom = std::max(bottom, bottom + st.shadowY);
    }
    // Align by the letters themselves, not their shadow, so shadowed and plain words line up.
    const int inkLeft = b.x - margin, inkRight = b.x + b.w + margin;
    switch (st.align) {
        case TextStyle::Align::Left:
            p.x = box.x - left;
            break;
        case TextStyle::Align::Right:
            p.x = box.x + box.w - right;
            break;
        case TextStyle::Align::Center:
            p.x = box.x + (box.w - (inkRight - inkLeft)) / 2 - inkLeft;
            break;
    }
    const double capMiddle = (p.ink.capTop + p.ink.baseline) / 2.0;
    p.y = static_cast<int>(std::lround(box.y + box.h / 2.0 - capMiddle)) + st.nudgeY;
    p.fits = p.x + left >= box.x && p.x + right <= box.x + box.w && p.y + top >= box.y &&
             p.y + bottom <= box.y + box.h;
    return p;
}

}  // namespace

Rect Ink::bounds() const {
    int x0 = width, y0 = height, x1 = -1, y1 = -1;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (at(x, y) > 0) {
                x0 = std::min(x0, x), x1 = std::max(x1, x);
                y0 = std::min(y0, y), y1 = std::max(y1, y);
            }
    if (x1 < 0) return {};
    return {x0, y0, x1 - x0 + 1, y1 - y0 + 1};
}

Ink inkLine(const TextRenderer& text, std::string_view words, int size, bool bold, int tracking,
            double slant, int pad) {
    TextStyle style;
    style.size = size;
    style.bold = bold;
    style.fore = rgb(255, 255, 255);
    const int lineH = text.lineHeight(style);

    // Where each character starts: the font's own spacing unless letters are spread apart.
    std::vector<std::pair<std::string_view, int>> pieces;
    int width = 0;
    if (tracking == 0) {
        pieces.emplace_back(words, 0);
        width = text.textWidth(words, style);
    } else {
        for (std::size_t i = 0; i < words.size();) {
            const std::size_t end = charEnd(words, i);
            const std::string_view ch = words.substr(i, end - i);
            if (!pieces.empty()) width += tracking;
            pieces.emplace_back(ch, width);
            width += text.textWidth(ch, style);
            i = end;
        }
    }
    const int lean = static_cast<int>(std::ceil(std::abs(slant) * lineH));
    Surface canvas(width + 2 * pad + lean + 4, lineH + 2 * pad, 0);
    const int startX = pad + 2 + (slant < 0 ? lean : 0);
    for (const auto& [piece, offset] : pieces)
        text.draw(canvas, startX + offset, pad, canvas.width(), lineH, piece, false, style);

    Ink ink;
    ink.width = canvas.width();
    ink.height = canvas.height();
    const auto [capTop, capBottom] = capitalRows(text, style);
    ink.capTop = pad + capTop;
    ink.baseline = pad + capBottom;
    ink.cover.assign(static_cast<std::size_t>(ink.width) * ink.height, 0);
    for (int y = 0; y < ink.height; ++y) {
        // Lean each row by its height above the foot, sharing a pixel between neighbours.
        const double shift = slant * (ink.baseline - y);
        const int whole = static_cast<int>(std::floor(shift));
        const double frac = shift - whole;
        for (int x = 0; x < ink.width; ++x) {
            const auto src = [&](int sx) {
                const std::int64_t v = canvas.pixel(sx, y);
                return v < 0 ? 0 : redOf(static_cast<Colour>(v));
            };
            const double v = src(x - whole) * (1 - frac) + src(x - whole - 1) * frac;
            ink.cover[static_cast<std::size_t>(y) * ink.width + x] =
                static_cast<std::uint8_t>(std::clamp(static_cast<int>(std::lround(v)), 0, 255));
        }
    }
    return ink;
}

Ink grownInk(const Ink& ink, int r) {
    if (r <= 0) return ink;
    Ink out = ink;
    struct Tap {
        int dx, dy, weight;
    };
    std::vector<Tap> taps;
    for (int dy = -r; dy <= r; ++dy)
        for (int dx = -r; dx <= r; ++dx) {
            const double edge = r + 0.5 - std::hypot(dx, dy);
            if (edge > 0) taps.push_back({dx, dy, static_cast<int>(std::min(edge, 1.0) * 255)});
        }
    for (int y = 0; y < ink.height; ++y)
        for (int x = 0; x < ink.width; ++x) {
            int best = 0;
            for (const Tap& t : taps) best = std::max(best, ink.at(x + t.dx, y + t.dy) * t.weight);
            out.cover[static_cast<std::size_t>(y) * ink.width + x] =
                static_cast<std::uint8_t>((best + 127) / 255);
        }
    return out;
}

void paintInk(Surface& dst, const Ink& ink, int dx, int dy, Colour c, int alpha) {
    for (int y = 0; y < ink.height; ++y)
        for (int x = 0; x < ink.width; ++x)
            if (const int a = ink.at(x, y)) blendPixel(dst, dx + x, dy + y, c, a * alpha / 255);
}

int fittingSize(const TextRenderer& text, const Rect& box,
                const std::vector<std::string_view>& lines, const Lettering& style) {
    for (int size = style.size; size > SmallestSize; --size) {
        const bool all = std::all_of(lines.begin(), lines.end(), [&](std::string_view l) {
            return place(text, box, l, style, size).fits;
        });
        if (all) return size;
    }
    return SmallestSize;
}

int drawLettering(Surface& dst, const TextRenderer& text, const Rect& box, std::string_view words,
                  const Lettering& st) {
    int size = st.size;
    Placed p = place(text, box, words, st, size);
    while (!p.fits && size > SmallestSize) p = place(text, box, words, st, --size);

    const Ink outline = grownInk(p.ink, st.outlineWidth);
    const Ink rim = st.rimWidth > 0 ? grownInk(p.ink, st.outlineWidth + st.rimWidth) : Ink{};
    const Ink& outer = st.rimWidth > 0 ? rim : outline;
    if (st.shadowAlpha > 0)
        paintInk(dst, outer, p.x + st.shadowX, p.y + st.shadowY, st.shadow, st.shadowAlpha);
    if (st.rimWidth > 0) paintInk(dst, rim, p.x, p.y, st.rim);
    if (st.outlineWidth > 0) paintInk(dst, outline, p.x, p.y, st.outline);

    const Ink& ink = p.ink;
    const double capHeight = std::max(1, ink.baseline - ink.capTop - 1);
    for (int y = 0; y < ink.height; ++y) {
        const Colour c = gradientColour(st.fill, (y - ink.capTop) / capHeight);
        for (int x = 0; x < ink.width; ++x) {
            const int a = ink.at(x, y);
            if (a == 0) continue;
            blendPixel(dst, p.x + x, p.y + y, c, a);
            // Light catches the top edges: where this row is inked and the one above is not.
            const int edge = a * (255 - ink.at(x, y - 1)) / 255;
            if (st.shineAlpha > 0 && edge > 0)
                blendPixel(dst, p.x + x, p.y + y, st.shine, edge * st.shineAlpha / 255);
        }
    }
    return size;
}

}  // namespace kv

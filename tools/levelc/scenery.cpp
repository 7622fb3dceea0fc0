#include "scenery.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <map>
#include <vector>

#include "level_error.h"
#include "paint.h"

namespace kv::levelc {
namespace {

struct Box {
    int x, y, w, h;
    Colour tint;
};

using Circles = std::vector<std::array<int, 3>>;

// A soft shape, shaded from its top to its bottom, with an outline.
void shape(Surface& s, const Box& b, const std::function<bool(int, int)>& inside, Colour top,
           Colour bottom, Colour outline) {
    for (int y = b.y; y < b.y + b.h; ++y)
        for (int x = b.x; x < b.x + b.w; ++x) {
            if (!inside(x, y)) continue;
            const bool edge = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) ||
                              (!inside(x, y + 1) && y + 1 < b.y + b.h);
            s.setPixel(x, y, edge ? outline : mix(top, bottom, (y - b.y) * 256 / std::max(b.h, 1)));
        }
}

bool inCircles(const Circles& circles, int x, int y) {
    for (const auto& c : circles) {
        const int dx = x - c[0], dy = y - c[1];
        if (dx * dx + dy * dy <= c[2] * c[2]) return true;
    }
    return false;
}

void blob(Surface& s, const Box& b, const Circles& circles, Colour top, Colour bottom,
          Colour outline) {
    shape(
        s, b, [&](int x, int y) { return y < b.y + b.h && inCircles(circles, x, y); }, top, bottom,
        outline);
}

void cloud(Surface& s, const Box& b) {
    // Puffs along a flat base.
    Circles c;
    const int big = b.h / 2 - 1, small = b.h * 3 / 8;
    const int n = std::max(3, (b.w - 2 * big) / std::max(small, 1) + 1);
    for (int i = 0; i < n; ++i) {
        const int r = i % 2 ? big : small + pick(3, b.x, i, 3);
        const int cx = b.x + small + (b.w - 2 * small) * i / (n - 1);
        c.push_back({cx, b.y + b.h - 1 - r, r});
    }
    const int baseTop = b.y + b.h - small;
    // A tint makes a far, paler cloud.
    const Colour top = b.tint ? b.tint : rgb(0xFF, 0xFF, 0xFF);
    shape(
        s, b,
        [&](int x, int y) {
            if (y >= b.y + b.h || x < b.x || x >= b.x + b.w) return false;
            return inCircles(c, x, y) ||
                   (y >= baseTop && x >= b.x + small && x < b.x + b.w - small);
        },
        top, mix(top, rgb(0x9E, 0xC4, 0xEA), 70), mix(top, rgb(0x70, 0xA0, 0xD8), 150));
}

void hill(Surface& s, const Box& b) {
    const Colour base = b.tint ? b.tint : rgb(0x5C, 0xB8, 0x4C);
    for (int y = b.y; y < b.y + b.h; ++y)
        for (int x = b.x; x < b.x + b.w; ++x) {
            const double u = (x + 0.5 - b.x) / b.w * 2 - 1;
            const double top = b.y + b.h * (1 - std::sqrt(std::max(0.0, 1 - u * u)));
            if (y + 0.5 < top) continue;
            Colour c = base;
            if (y + 0.5 < top + 2)
                c = shade(base, -60);
            else if (pick(40, x / 4, y / 4, 41) == 0)
                c = shade(base, -22);
            else if (u < -0.3 && y < top + 6)
                c = shade(base, 24);
            s.setPixel(x, y, c);
        }
}

void mountain(Surface& s, const Box& b) {
    const Colour base = b.tint ? b.tint : rgb(0x8C, 0xA0, 0xC4);
    const int peak = b.x + b.w / 2;
    for (int y = b.y; y < b.y + b.h; ++y) {
        const int half = (y - b.y) * b.w / 2 / std::max(b.h, 1);
        for (int x = peak - half; x <= peak + half; ++x) {
            Colour c = x < peak ? shade(base, 14) : shade(base, -10);
            const int snowLine = b.y + b.h / 4 + static_cast<int>(3 * std::sin(x / 5.0));
            if (y < snowLine && b.tint)
                c = x < peak ? shade(base, 60) : shade(base, 36);
            else if (y < snowLine)
                c = x < peak ? rgb(0xF8, 0xFC, 0xFF) : rgb(0xD0, 0xDE, 0xF0);
            if (x == peak - half || x == peak + half) c = shade(base, -50);
            s.setPixel(x, y, c);
        }
    }
}

void volcano(Surface& s, const Box& b) {
    const Colour base = b.tint ? b.tint : rgb(0x3A, 0x1C, 0x1C);
    const int crater = b.w / 6;
    const int cx = b.x + b.w / 2;
    for (int y = b.y; y < b.y + b.h; ++y) {
        const int half = crater + (y - b.y) * (b.w / 2 - crater) / std::max(b.h, 1);
        for (int x = cx - half; x <= cx + half; ++x) {
            Colour c = x < cx ? shade(base, 10) : shade(base, -8);
            if (x == cx - half || x == cx + half) c = shade(base, -40);
            // Lava running down from the crater in a few wavering streaks.
            const int wob = static_cast<int>(std::lround(2.5 * std::sin(y / 6.0)));
            for (int k : {-crater / 2, 0, crater / 2 + 2})
                if (std::abs(x - (cx + k * (1 + (y - b.y) / 40) + wob)) <= (k == 0 ? 2 : 1) &&
                    y < b.y + b.h * (k == 0 ? 9 : 5) / 10)
                    c = (y + x) % 7 < 2 ? rgb(0xFF, 0xD0, 0x50) : rgb(0xF0, 0x68, 0x18);
            if (y < b.y + 3) c = rgb(0xFF, 0xA0, 0x30);
            s.setPixel(x, y, c);
        }
    }
    fillEllipse(s, cx, b.y, crater, 3, rgb(0xFF, 0xD8, 0x60));
}

void bush(Surface& s, const Box& b) {
    const Colour base = b.tint ? b.tint : rgb(0x3C, 0xA8, 0x34);
    const int r = b.h / 2;
    Circles c;
    for (int cx = b.x + r; cx <= b.x + b.w - r; cx += std::max(r, 1))
        c.push_back({cx, b.y + b.h - r + 2, r});
    c.push_back({b.x + b.w / 2, b.y + r, r});
    blob(s, b, c, shade(base, 40), shade(base, -20), shade(base, -90));
}

void tree(Surface& s, const Box& b) {
    const int tw = std::max(b.w / 6, 4);
    const int tx = b.x + b.w / 2 - tw / 2;
    for (int y = b.y + b.h / 2; y < b.y + b.h; ++y)
        for (int x = tx; x < tx + tw; ++x)
            s.setPixel(x, y,
                       x == tx || x == tx + tw - 1 ? rgb(0x3A, 0x22, 0x10) : rgb(0x7A, 0x4A, 0x22));
    const Colour base = b.tint ? b.tint : rgb(0x34, 0x98, 0x30);
    const int r = b.w / 3;
    Box crown{b.x, b.y, b.w, b.h * 2 / 3, 0};
    blob(s, crown,
         {{b.x + r, b.y + b.h / 3, r},
          {b.x + b.w - r, b.y + b.h / 3, r},
          {b.x + b.w / 2, b.y + r, r + 2}},
         shade(base, 40), shade(base, -20), shade(base, -90));
}

void pine(Surface& s, const Box& b) {
    const Colour base = b.tint ? b.tint : rgb(0x1E, 0x6A, 0x3A);
    const int cx = b.x + b.w / 2;
    s.fillRect(cx - 2, b.y + b.h * 4 / 5, 5, b.h / 5, rgb(0x5A, 0x36, 0x18));
    for (int tier = 0; tier < 3; ++tier) {
        const int top = b.y + tier * b.h / 4;
        const int bottom = b.y + b.h * (2 + tier) / 5 + b.h / 5;
        const int half = b.w * (2 + tier) / 10;
        fillTriangle(s, cx, top, cx - half, bottom, cx + half, bottom, shade(base, -tier * 8));
        fillTriangle(s, cx, top, cx - half / 3, top + (bottom - top) / 3, cx + half / 3,
                     top + (bottom - top) / 3, rgb(0xF4, 0xF8, 0xFF));
    }
}

void fence(Surface& s, const Box& b) {
    const Colour wood = b.tint ? b.tint : rgb(0xC8, 0x98, 0x60);
    for (int x = b.x; x < b.x + b.w; x += 14) {
        s.fillRect(x, b.y + 2, 5, b.h - 2, wood);
        s.fillRect(x + 1, b.y, 3, 2, wood);
        frameRect(s, x, b.y + 2, 5, b.h - 2, shade(wood, -90));
    }
    for (int ry : {b.y + b.h / 3, b.y + b.h * 2 / 3}) {
        s.fillRect(b.x, ry, b.w, 3, wood);
        s.fillRect(b.x, ry + 3, b.w, 1, shade(wood, -90));
    }
}

void torch(Surface& s, const Box& b) {
    const int cx = b.x + b.w / 2;
    s.fillRect(cx - 1, b.y + b.h / 3, 3, b.h * 2 / 3, rgb(0x6A, 0x40, 0x1C));
    s.fillRect(cx - 4, b.y + b.h * 2 / 3, 9, 3, rgb(0x50, 0x50, 0x58));
    s.fillRect(cx - 3, b.y + b.h / 3 - 2, 7, 3, rgb(0x50, 0x50, 0x58));
    const int fh = b.h / 3;
    fillEllipse(s, cx, b.y + fh / 2 + 1, b.w / 2 - 1, fh / 2, rgb(0xFF, 0x70, 0x10));
    fillEllipse(s, cx, b.y + fh / 2 + 2, b.w / 2 - 3, fh / 2 - 2, rgb(0xFF, 0xC0, 0x30));
    fillEllipse(s, cx, b.y + fh / 2 + 3, std::max(b.w / 2 - 5, 1), std::max(fh / 2 - 4, 1),
                rgb(0xFF, 0xF4, 0xB0));
}

void stars(Surface& s, const Box& b) {
    const int n = std::max(1, b.w * b.h / 2500);
    for (int i = 0; i < n; ++i) {
        const int x = b.x + pick(std::max(b.w, 1), i, b.x, 51);
        const int y = b.y + pick(std::max(b.h, 1), i, b.y, 52);
        const int kind = pick(10, i, b.x, 53);
        const Colour c = kind < 3   ? rgb(0xFF, 0xF0, 0xA0)
                         : kind < 6 ? rgb(0xC0, 0xD0, 0xFF)
                                    : rgb(0xFF, 0xFF, 0xFF);
        s.setPixel(x, y, c);
        if (kind == 0 || kind == 9) {
            s.setPixel(x - 1, y, shade(c, -90));
            s.setPixel(x + 1, y, shade(c, -90));
            s.setPixel(x, y - 1, shade(c, -90));
            s.setPixel(x, y + 1, shade(c, -90));
        }
    }
}

void moon(Surface& s, const Box& b) {
    const int r = std::min(b.w, b.h) / 2;
    const int cx = b.x + b.w / 2, cy = b.y + b.h / 2;
    for (int y = cy - r; y <= cy + r; ++y)
        for (int x = cx - r; x <= cx + r; ++x) {
            const int d1 = (x - cx) * (x - cx) + (y - cy) * (y - cy);
            const int ox = x - cx - r / 2, oy = y - cy + r / 4;
            if (d1 > r * r || ox * ox + oy * oy < r * r * 7 / 10) continue;
            s.setPixel(x, y,
                       d1 > (r - 2) * (r - 2) ? rgb(0xE0, 0xD0, 0x80) : rgb(0xFF, 0xF4, 0xC0));
        }
}

void sun(Surface& s, const Box& b) {
    const int r = std::min(b.w, b.h) / 2;
    const int cx = b.x + b.w / 2, cy = b.y + b.h / 2;
    fillCircle(s, cx, cy, r, rgb(0xFF, 0xC8, 0x30));
    fillCircle(s, cx, cy, r - 3, rgb(0xFF, 0xE8, 0x60));
    fillCircle(s, cx - r / 4, cy - r / 4, r / 3, rgb(0xFF, 0xF8, 0xC0));
}

void brickwall(Surface& s, const Box& b) {
    const Colour base = b.tint ? b.tint : rgb(0x46, 0x34, 0x30);
    for (int y = b.y; y < b.y + b.h; ++y)
        for (int x = b.x; x < b.x + b.w; ++x) {
            const int row = y / 12, off = (row % 2) * 14;
            const int lx = (x + off) % 28, ly = y % 12;
            Colour c = shade(base, pick(13, (x + off) / 28, row, 61) - 6);
            if (lx == 27 || ly == 11)
                c = shade(base, -36);
            else if (ly == 0)
                c = shade(c, 10);
            s.setPixel(x, y, c);
        }
}

void window(Surface& s, const Box& b) {
    const Colour stone = rgb(0x9A, 0x96, 0xA0);
    const int r = b.w / 2;
    auto inArch = [&](int x, int y, int inset) {
        const int cx = b.x + r, top = b.y + r;
        if (x < b.x + inset || x >= b.x + b.w - inset || y >= b.y + b.h - inset) return false;
        if (y >= top) return true;
        const int dx = x - cx, dy = y - top, rr = r - inset;
        return dx * dx + dy * dy <= rr * rr;
    };
    for (int y = b.y; y < b.y + b.h; ++y)
        for (int x = b.x; x < b.x + b.w; ++x) {
            if (!inArch(x, y, 0)) continue;
            Colour c = stone;
            if (inArch(x, y, 3))
                c = (x - b.x) % 8 == 4 ? rgb(0x40, 0x38, 0x30) : rgb(0x1A, 0x22, 0x44);
            else if (!inArch(x, y, 1))
                c = shade(stone, -60);
            s.setPixel(x, y, c);
        }
}

void column(Surface& s, const Box& b) {
    const Colour base = b.tint ? b.tint : rgb(0x88, 0x84, 0x90);
    for (int y = b.y; y < b.y + b.h; ++y)
        for (int x = b.x; x < b.x + b.w; ++x) {
            const int lx = x - b.x;
            const bool cap = y - b.y < 8 || b.y + b.h - y <= 8;
            if (!cap && (lx < 3 || lx >= b.w - 3)) continue;
            const int t = lx * 256 / std::max(b.w, 1);
            Colour c = t < 80 ? shade(base, 30) : t < 170 ? base : shade(base, -30);
            if (!cap && lx % 7 == 3) c = shade(c, -25);
            if (cap && (y == b.y || y == b.y + b.h - 1)) c = shade(base, -60);
            s.setPixel(x, y, c);
        }
}

void banner(Surface& s, const Box& b) {
    const Colour cloth = b.tint ? b.tint : rgb(0xA0, 0x18, 0x20);
    s.fillRect(b.x - 2, b.y, b.w + 4, 3, rgb(0x70, 0x50, 0x20));
    for (int y = b.y + 3; y < b.y + b.h; ++y) {
        const int notch = b.y + b.h - y;
        for (int x = b.x; x < b.x + b.w; ++x) {
            const int mid = std::abs(x - (b.x + b.w / 2));
            if (notch < b.w / 2 - mid) continue;  // a swallow-tail end
            Colour c = (x == b.x || x == b.x + b.w - 1) ? shade(cloth, -50) : cloth;
            const int cy = b.y + b.h / 3;
            if (std::abs(x - (b.x + b.w / 2)) + std::abs(y - cy) < b.w / 4)
                c = rgb(0xF0, 0xC8, 0x40);
            s.setPixel(x, y, c);
        }
    }
}

void chain(Surface& s, const Box& b) {
    const Colour c = b.tint ? b.tint : rgb(0x70, 0x70, 0x7A);
    const int cx = b.x + b.w / 2;
    for (int y = b.y; y < b.y + b.h; y += 8) {
        if ((y - b.y) / 8 % 2 == 0)
            frameRect(s, cx - 2, y, 5, 9, c);
        else
            s.fillRect(cx, y, 1, 9, c);
    }
}

void crystal(Surface& s, const Box& b) {
    // Blunt, flat-topped gems in violet: nothing like the pale spikes that kill.
    const Colour base = b.tint ? b.tint : rgb(0xB0, 0x70, 0xE0);
    const int n = std::max(2, b.w / 10);
    s.fillRect(b.x, b.y + b.h - 4, b.w, 4, shade(base, -70));
    for (int i = 0; i < n; ++i) {
        const int cx = b.x + b.w * (2 * i + 1) / (2 * n);
        const int h = b.h * (55 + pick(35, i, b.x, 71)) / 100;
        const int hw = std::max(b.w / (2 * n) - 1, 3);
        const int top = b.y + b.h - 4 - h;
        s.fillRect(cx - hw, top + hw, 2 * hw + 1, h - hw, shade(base, -25));
        s.fillRect(cx - hw + 1, top + hw, hw, h - hw, base);
        s.fillRect(cx - hw / 2, top, hw + 1, hw, shade(base, 30));
        fillTriangle(s, cx - hw, top + hw, cx - hw / 2, top, cx - hw / 2, top + hw,
                     shade(base, 30));
        fillTriangle(s, cx + hw, top + hw, cx + hw / 2, top, cx + hw / 2, top + hw,
                     shade(base, -10));
        s.fillRect(cx - hw + 2, top + hw + 2, 1, std::max(h - hw - 6, 1), shade(base, 80));
    }
}

void stalactites(Surface& s, const Box& b) {
    const Colour base = b.tint ? b.tint : rgb(0x34, 0x30, 0x3C);
    for (int x = b.x; x < b.x + b.w;) {
        const int w = 10 + pick(14, x, b.y, 81);
        const int h = b.h * (40 + pick(60, x, b.y, 82)) / 100;
        fillTriangle(s, x, b.y, x + w, b.y, x + w / 2, b.y + h, base);
        fillTriangle(s, x + 2, b.y, x + w / 2, b.y, x + w / 2, b.y + h - 2, shade(base, 18));
        x += w + pick(8, x, 83);
    }
}

void cactus(Surface& s, const Box& b) {
    const Colour g = b.tint ? b.tint : rgb(0x3C, 0x9C, 0x48);
    const int tw = std::max(b.w / 3, 6);
    const int tx = b.x + b.w / 2 - tw / 2;
    auto stem = [&](int x, int y, int w, int h) {
        s.fillRect(x, y + w / 2, w, h - w / 2, g);
        fillCircle(s, x + w / 2, y + w / 2, w / 2, g);
        s.fillRect(x + w / 3, y + w / 2, 1, h - w / 2, shade(g, 40));
    };
    stem(tx, b.y, tw, b.h);
    stem(b.x, b.y + b.h / 4, tw * 2 / 3, b.h / 3);
    s.fillRect(b.x, b.y + b.h / 4 + b.h / 3 - 4, tx - b.x + 1, 4, g);
    stem(b.x + b.w - tw * 2 / 3, b.y + b.h / 3, tw * 2 / 3, b.h / 3);
    s.fillRect(tx + tw - 1, b.y + b.h / 3 + b.h / 3 - 4, b.x + b.w - (tx + tw) + 1, 4, g);
}

void sign(Surface& s, const Box& b) {
    const Colour wood = rgb(0xB8, 0x80, 0x48);
    s.fillRect(b.x + b.w / 2 - 2, b.y + b.h / 3, 4, b.h - b.h / 3, shade(wood, -40));
    const int ah = b.h / 3;
    s.fillRect(b.x, b.y, b.w - ah / 2, ah, wood);
    fillTriangle(s, b.x + b.w - ah / 2 - 1, b.y - 2, b.x + b.w, b.y + ah / 2,
                 b.x + b.w - ah / 2 - 1, b.y + ah + 2, wood);
    drawLine(s, b.x + 4, b.y + ah / 2, b.x + b.w - ah / 2 - 2, b.y + ah / 2, shade(wood, -80));
    frameRect(s, b.x, b.y, b.w - ah / 2, ah, shade(wood, -80));
}

void flag(Surface& s, const Box& b) {
    s.fillRect(b.x, b.y, 3, b.h, rgb(0xE0, 0xE0, 0xE8));
    s.fillRect(b.x + 2, b.y, 1, b.h, rgb(0x80, 0x80, 0x90));
    fillCircle(s, b.x + 1, b.y - 2, 3, rgb(0xF0, 0xC8, 0x30));
    const int fw = b.w - 4, fh = std::min(b.h / 3, fw * 2 / 3);
    for (int y = 0; y < fh; ++y)
        for (int x = 0; x < fw; ++x) {
            const int wave = static_cast<int>(2 * std::sin((x + 0.0) / 6.0));
            const bool light = ((x / 6) + (y / 6)) % 2 == 0;
            s.setPixel(b.x + 3 + x, b.y + 3 + y + wave,
                       light ? rgb(0xFF, 0xFF, 0xFF) : rgb(0x20, 0x20, 0x28));
        }
}

void castle(Surface& s, const Box& b) {
    const Colour base = b.tint ? b.tint : rgb(0x50, 0x3C, 0x58);
    const int tw = b.w / 5;
    auto tower = [&](int x, int top, int w) {
        s.fillRect(x, top, w, b.y + b.h - top, base);
        for (int cx = x; cx < x + w; cx += 8) s.fillRect(cx, top - 6, 5, 6, base);
        s.fillRect(x + w / 2 - 2, top + 12, 4, 8, rgb(0xF0, 0xC0, 0x40));
    };
    tower(b.x + tw, b.y + b.h / 3, b.w - 2 * tw);
    tower(b.x, b.y + 8, tw);
    tower(b.x + b.w - tw, b.y + 8, tw);
    tower(b.x + b.w / 2 - tw / 2, b.y - 12 + 20, tw);
    s.fillRect(b.x + b.w / 2 - 8, b.y + b.h - 22, 16, 22, shade(base, -40));
}

void lavafall(Surface& s, const Box& b) {
    for (int y = b.y; y < b.y + b.h; ++y)
        for (int x = b.x; x < b.x + b.w; ++x) {
            const int band = (x - b.x + (y / 3)) % 9;
            s.setPixel(x, y,
                       band < 2   ? rgb(0xFF, 0xD0, 0x50)
                       : band < 6 ? rgb(0xF0, 0x70, 0x18)
                                  : rgb(0xC0, 0x38, 0x10));
        }
}

void boulder(Surface& s, const Box& b) {
    const Colour base = b.tint ? b.tint : rgb(0x8A, 0x84, 0x7C);
    Circles c = {{b.x + b.w / 2, b.y + b.h / 2 + b.h / 6, std::min(b.w, b.h) / 2}};
    blob(s, b, c, shade(base, 30), shade(base, -30), shade(base, -90));
}

void flowers(Surface& s, const Box& b) {
    for (int x = b.x + 2; x < b.x + b.w - 2; x += 6 + pick(5, x, 91)) {
        const int h = 4 + pick(b.h > 6 ? b.h - 5 : 1, x, 92);
        s.fillRect(x, b.y + b.h - h, 1, h, rgb(0x2C, 0x80, 0x28));
        const Colour petals[] = {rgb(0xFF, 0xF0, 0x60), rgb(0xFF, 0x80, 0xA0),
                                 rgb(0xFF, 0xFF, 0xFF), rgb(0xC0, 0x80, 0xFF)};
        const Colour p = petals[pick(4, x, 93)];
        s.setPixel(x - 1, b.y + b.h - h, p);
        s.setPixel(x + 1, b.y + b.h - h, p);
        s.setPixel(x, b.y + b.h - h - 1, p);
        s.setPixel(x, b.y + b.h - h + 1, p);
        s.setPixel(x, b.y + b.h - h, rgb(0xFF, 0xA0, 0x20));
    }
}

using Painter = std::function<void(Surface&, const Box&)>;

const std::map<std::string, Painter>& painters() {
    static const std::map<std::string, Painter> table = {
        {"cloud", cloud},     {"hill", hill},       {"mountain", mountain},
        {"bush", bush},       {"tree", tree},       {"pine", pine},
        {"fence", fence},     {"torch", torch},     {"stars", stars},
        {"moon", moon},       {"sun", sun},         {"brickwall", brickwall},
        {"window", window},   {"column", column},   {"banner", banner},
        {"chain", chain},     {"crystal", crystal}, {"stalactites", stalactites},
        {"cactus", cactus},   {"sign", sign},       {"flag", flag},
        {"castle", castle},   {"volcano", volcano}, {"lavafall", lavafall},
        {"boulder", boulder}, {"flowers", flowers}};
    return table;
}

}  // namespace

bool isSceneryKind(const std::string& kind) {
    return painters().count(kind) != 0;
}

void paintScenery(Surface& background, const MapObject& o, const std::string& fileName) {
    const auto it = painters().find(o.kind);
    if (it == painters().end())
        throw LevelError(fileName, {o.left(), o.top()}, "unknown object type \"" + o.kind + "\"");
    Colour tint = 0;
    const std::string colour = o.property("colour");
    if (!colour.empty())
        tint = parseColour(colour, fileName, "the colour of object " + std::to_string(o.id));
    it->second(background,
               Box{o.left(), o.top(), o.right() - o.left(), o.bottom() - o.top(), tint});
}

}  // namespace kv::levelc

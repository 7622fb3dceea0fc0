#include "paint.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace kv::levelc {

Colour mix(Colour a, Colour b, int t) {
    t = std::clamp(t, 0, 256);
    auto m = [t](int x, int y) { return x + (y - x) * t / 256; };
    return rgb(m(redOf(a), redOf(b)), m(greenOf(a), greenOf(b)), m(blueOf(a), blueOf(b)));
}

Colour shade(Colour c, int amount) {
    auto s = [amount](int x) { return std::clamp(x + amount, 0, 255); };
    return rgb(s(redOf(c)), s(greenOf(c)), s(blueOf(c)));
}

void fillCircle(Surface& s, int cx, int cy, int r, Colour c) {
    fillEllipse(s, cx, cy, r, r, c);
}

void fillEllipse(Surface& s, int cx, int cy, int rx, int ry, Colour c) {
    if (rx <= 0 || ry <= 0) return;
    for (int dy = -ry; dy <= ry; ++dy) {
        const double f = 1.0 - static_cast<double>(dy * dy) / (static_cast<double>(ry) * ry);
        const int half = static_cast<int>(std::floor(rx * std::sqrt(std::max(f, 0.0)) + 0.5));
        s.fillRect(cx - half, cy + dy, 2 * half + 1, 1, c);
    }
}

void fillTriangle(Surface& s, int x0, int y0, int x1, int y1, int x2, int y2, Colour c) {
    const int top = std::min({y0, y1, y2}), bottom = std::max({y0, y1, y2});
    const int pts[3][2] = {{x0, y0}, {x1, y1}, {x2, y2}};
    for (int y = top; y <= bottom; ++y) {
        const double cy = y + 0.5;
        double lo = 1e9, hi = -1e9;
        for (int i = 0; i < 3; ++i) {
            const double ax = pts[i][0], ay = pts[i][1];
            const double bx = pts[(i + 1) % 3][0], by = pts[(i + 1) % 3][1];
            if ((ay <= cy) == (by <= cy)) continue;
            const double x = ax + (cy - ay) * (bx - ax) / (by - ay);
            lo = std::min(lo, x);
            hi = std::max(hi, x);
        }
        if (lo > hi) continue;
        const int a = static_cast<int>(std::ceil(lo - 0.5)),
                  b = static_cast<int>(std::ceil(hi - 0.5));
        s.fillRect(a, y, b - a, 1, c);
    }
}

void drawLine(Surface& s, int x0, int y0, int x1, int y1, Colour c) {
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        s.setPixel(x0, y0, c);
        if (x0 == x1 && y0 == y1) break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void frameRect(Surface& s, int x, int y, int w, int h, Colour c) {
    s.fillRect(x, y, w, 1, c);
    s.fillRect(x, y + h - 1, w, 1, c);
    s.fillRect(x, y, 1, h, c);
    s.fillRect(x + w - 1, y, 1, h, c);
}

}  // namespace kv::levelc

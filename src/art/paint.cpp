#include "art/paint.h"

#include <algorithm>
#include <cmath>

namespace kv {
namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr int SubRows = 4;

int clampByte(int v) {
    return std::clamp(v, 0, 255);
}

}  // namespace

Colour gradientColour(const std::vector<Colour>& stops, double t) {
    if (stops.empty()) return 0;
    if (stops.size() == 1) return stops[0];
    const double pos = std::clamp(t, 0.0, 1.0) * static_cast<double>(stops.size() - 1);
    const auto i = std::min(static_cast<std::size_t>(pos), stops.size() - 2);
    return mixColour(stops[i], stops[i + 1],
                     static_cast<int>(std::lround((pos - static_cast<double>(i)) * 255)));
}

Colour mixColour(Colour a, Colour b, int t) {
    t = clampByte(t);
    auto m = [t](int x, int y) { return (x * (255 - t) + y * t + 127) / 255; };
    return rgb(m(redOf(a), redOf(b)), m(greenOf(a), greenOf(b)), m(blueOf(a), blueOf(b)));
}

void blendPixel(Surface& s, int x, int y, Colour c, int alpha) {
    if (alpha <= 0 || x < 0 || y < 0 || x >= s.width() || y >= s.height()) return;
    Colour& d = s.row(y)[x];
    d = alpha >= 255 ? c : mixColour(d, c, alpha);
}

void fillGradient(Surface& s, const Rect& r, const std::vector<Colour>& stops) {
    for (int y = 0; y < r.h; ++y) {
        const double t = r.h > 1 ? static_cast<double>(y) / (r.h - 1) : 0.0;
        s.fillRect(r.x, r.y + y, r.w, 1, gradientColour(stops, t));
    }
}

void fillGradientAcross(Surface& s, const Rect& r, const std::vector<Colour>& stops) {
    for (int x = 0; x < r.w; ++x) {
        const double t = r.w > 1 ? static_cast<double>(x) / (r.w - 1) : 0.0;
        s.fillRect(r.x + x, r.y, 1, r.h, gradientColour(stops, t));
    }
}

void drawBevel(Surface& s, const Rect& r, int depth, Colour light, Colour dark) {
    for (int i = 0; i < depth; ++i) {
        const int x0 = r.x + i, y0 = r.y + i, x1 = r.x + r.w - 1 - i, y1 = r.y + r.h - 1 - i;
        if (x1 < x0 || y1 < y0) break;
        s.fillRect(x0, y0, x1 - x0 + 1, 1, light);
        s.fillRect(x0, y0, 1, y1 - y0 + 1, light);
        s.fillRect(x0 + 1, y1, x1 - x0, 1, dark);
        s.fillRect(x1, y0 + 1, 1, y1 - y0, dark);
    }
}

void drawFrame(Surface& s, const Rect& r, Colour c) {
    s.fillRect(r.x, r.y, r.w, 1, c);
    s.fillRect(r.x, r.y + r.h - 1, r.w, 1, c);
    s.fillRect(r.x, r.y, 1, r.h, c);
    s.fillRect(r.x + r.w - 1, r.y, 1, r.h, c);
}

void fillPolygon(Surface& s, const std::vector<PointF>& points, Colour c, int alpha) {
    if (points.size() < 3 || s.empty()) return;
    double minY = points[0].y, maxY = points[0].y;
    for (const PointF& p : points) minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
    const int y0 = std::max(0, static_cast<int>(std::floor(minY)));
    const int y1 = std::min(s.height() - 1, static_cast<int>(std::ceil(maxY)));
    const int w = s.width();
    std::vector<double> cover(static_cast<std::size_t>(w) + 1);
    std::vector<double> xs;
    for (int y = y0; y <= y1; ++y) {
        std::fill(cover.begin(), cover.end(), 0.0);
        for (int sub = 0; sub < SubRows; ++sub) {
            const double sy = y + (sub + 0.5) / SubRows;
            xs.clear();
            for (std::size_t i = 0; i < points.size(); ++i) {
                const PointF& a = points[i];
                const PointF& b = points[(i + 1) % points.size()];
                if ((a.y <= sy) == (b.y <= sy)) continue;
                xs.push_back(a.x + (sy - a.y) * (b.x - a.x) / (b.y - a.y));
            }
            std::sort(xs.begin(), xs.end());
            for (std::size_t i = 0; i + 1 < xs.size(); i += 2) {
                const double xa = std::clamp(xs[i], 0.0, static_cast<double>(w));
                const double xb = std::clamp(xs[i + 1], 0.0, static_cast<double>(w));
                if (xb <= xa) continue;
                const int ia = static_cast<int>(xa), ib = static_cast<int>(xb);
                if (ia == ib) {
                    cover[ia] += xb - xa;
                    continue;
                }
                cover[ia] += ia + 1 - xa;
                for (int x = ia + 1; x < ib; ++x) cover[x] += 1.0;
                cover[ib] += xb - ib;
            }
        }
        for (int x = 0; x < w; ++x)
            if (cover[x] > 0)
                blendPixel(s, x, y, c, static_cast<int>(std::lround(cover[x] / SubRows * alpha)));
    }
}

void fillEllipse(Surface& s, double cx, double cy, double rx, double ry, Colour c, int alpha) {
    std::vector<PointF> pts;
    const int n = std::max(16, static_cast<int>((rx + ry) * 2));
    for (int i = 0; i < n; ++i) {
        const double a = 2 * Pi * i / n;
        pts.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
    }
    fillPolygon(s, pts, c, alpha);
}

void drawLine(Surface& s, PointF a, PointF b, double width, Colour c, int alpha) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double len = std::hypot(dx, dy);
    if (len == 0) return;
    const double nx = -dy / len * width / 2, ny = dx / len * width / 2;
    fillPolygon(
        s, {{a.x + nx, a.y + ny}, {b.x + nx, b.y + ny}, {b.x - nx, b.y - ny}, {a.x - nx, a.y - ny}},
        c, alpha);
}

void drawArc(Surface& s, double cx, double cy, double r, double a0, double a1, double width,
             Colour c) {
    std::vector<PointF> pts;
    const int n = std::max(6, static_cast<int>(std::abs(a1 - a0) * r));
    for (int i = 0; i <= n; ++i) {
        const double a = a0 + (a1 - a0) * i / n;
        pts.push_back({cx + (r + width / 2) * std::cos(a), cy + (r + width / 2) * std::sin(a)});
    }
    for (int i = n; i >= 0; --i) {
        const double a = a0 + (a1 - a0) * i / n;
        pts.push_back({cx + (r - width / 2) * std::cos(a), cy + (r - width / 2) * std::sin(a)});
    }
    fillPolygon(s, pts, c);
}

void fillRoundRect(Surface& s, double x, double y, double w, double h, double rad, Colour c) {
    rad = std::min({rad, w / 2, h / 2});
    std::vector<PointF> pts;
    const PointF centres[4] = {{x + w - rad, y + rad},
                               {x + w - rad, y + h - rad},
                               {x + rad, y + h - rad},
                               {x + rad, y + rad}};
    for (int k = 0; k < 4; ++k)
        for (int i = 0; i <= 6; ++i) {
            const double a = -Pi / 2 + Pi / 2 * (k + i / 6.0);
            pts.push_back({centres[k].x + rad * std::cos(a), centres[k].y + rad * std::sin(a)});
        }
    fillPolygon(s, pts, c);
}

void drawSparkle(Surface& s, double cx, double cy, double arm, Colour c) {
    const double t = std::max(arm / 4, 0.8);
    fillPolygon(s,
                {{cx, cy - arm},
                 {cx + t, cy - t},
                 {cx + arm, cy},
                 {cx + t, cy + t},
                 {cx, cy + arm},
                 {cx - t, cy + t},
                 {cx - arm, cy},
                 {cx - t, cy - t}},
                c);
}

void addGlow(Surface& s, double cx, double cy, double r, Colour core) {
    const int x0 = std::max(0, static_cast<int>(cx - r)),
              x1 = std::min(s.width() - 1, static_cast<int>(cx + r));
    const int y0 = std::max(0, static_cast<int>(cy - r)),
              y1 = std::min(s.height() - 1, static_cast<int>(cy + r));
    for (int y = y0; y <= y1; ++y) {
        Colour* row = s.row(y);
        for (int x = x0; x <= x1; ++x) {
            const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy) / r;
            if (d >= 1) continue;
            const double k = (1 - d) * (1 - d) * (1 + 2 * d);  // smooth fall-off
            const Colour o = row[x];
            row[x] = rgb(clampByte(redOf(o) + static_cast<int>(redOf(core) * k)),
                         clampByte(greenOf(o) + static_cast<int>(greenOf(core) * k)),
                         clampByte(blueOf(o) + static_cast<int>(blueOf(core) * k)));
        }
    }
}

int ArtRandom::between(int lo, int hi) {
    state_ = state_ * 1664525u + 1013904223u;
    const unsigned span = static_cast<unsigned>(hi - lo + 1);
    return lo + static_cast<int>((state_ >> 8) % span);
}

}  // namespace kv

#include "raster.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace kv::levelc {

void forEachSpan(const MapObject& shape, int width, int height,
                 const std::function<void(int, int, int)>& span) {
    const int y0 = std::max(shape.top(), 0);
    const int y1 = std::min(shape.bottom(), height);
    if (!shape.isPolygon()) {
        const int x0 = std::max(shape.left(), 0);
        const int x1 = std::min(shape.right(), width);
        if (x0 >= x1) return;
        for (int y = y0; y < y1; ++y) span(y, x0, x1);
        return;
    }
    const auto& pts = shape.polygon;
    std::vector<double> crossings;
    for (int y = y0; y < y1; ++y) {
        const double cy = y + 0.5;
        crossings.clear();
        for (std::size_t i = 0; i < pts.size(); ++i) {
            const PointF& a = pts[i];
            const PointF& b = pts[(i + 1) % pts.size()];
            if ((a.y <= cy) == (b.y <= cy)) continue;
            crossings.push_back(a.x + (cy - a.y) * (b.x - a.x) / (b.y - a.y));
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            // Pixel x is inside when its centre x + 0.5 lies in [left, right).
            const int x0 = std::max(static_cast<int>(std::ceil(crossings[i] - 0.5)), 0);
            const int x1 = std::min(static_cast<int>(std::ceil(crossings[i + 1] - 0.5)), width);
            if (x0 < x1) span(y, x0, x1);
        }
    }
}

}  // namespace kv::levelc

#include "reach.h"

#include <deque>
#include <unordered_set>

#include "geometry.h"

namespace kv::levelc {
namespace {

constexpr int W = kPlayerWidth;
constexpr int H = kPlayerHeight;

struct State {
    int x;
    int y;
    int jumpStep;
    bool jumping;
    bool onGround;
};

std::uint64_t key(const State& s) {
    return static_cast<std::uint64_t>(s.x + 1024) | static_cast<std::uint64_t>(s.y + 2048) << 16 |
           static_cast<std::uint64_t>(s.jumping ? s.jumpStep + 512 : 0) << 32 |
           static_cast<std::uint64_t>(s.jumping) << 48 |
           static_cast<std::uint64_t>(s.onGround) << 49;
}

}  // namespace

ReachResult searchReach(const TerrainMap& t, int startX, int startY) {
    ReachResult result{false, startX, startY};
    std::unordered_set<std::uint64_t> seen;
    seen.reserve(1 << 20);
    std::deque<State> queue;
    const State start{startX, startY, 10, false, false};
    seen.insert(key(start));
    queue.push_back(start);
    while (!queue.empty()) {
        const State from = queue.front();
        queue.pop_front();
        if (from.x > result.furthestX) result = {false, from.x, from.y};
        // Hazard probes come first in the frame; a touch ends this path.
        if (t.hazard(from.x - 4, from.y + H - 5) || t.hazard(from.x + W + 3, from.y + H - 5))
            continue;
        for (int jump = 0; jump < 2; ++jump) {
            if (jump && (from.jumping || !from.onGround)) continue;
            for (int dir = -1; dir <= 1; ++dir) {
                State s = from;
                if (jump) {
                    s.jumping = true;
                    s.jumpStep = 15;
                }
                if (dir < 0 && !t.ground(s.x - 5, s.y + H - 5) && s.x >= 5) s.x -= 7;
                if (dir > 0 && !t.ground(s.x + W + 4, s.y + H - 5)) {
                    if (s.x > kLevelEndX) {
                        result = {true, s.x, s.y};
                        return result;
                    }
                    s.x += 7;
                }
                if (s.jumping) {
                    if (t.ground(s.x + 3, s.y) || t.ground(s.x + W - 3, s.y)) {
                        s.jumping = false;
                        s.jumpStep = 0;
                    }
                    s.jumpStep -= 1;
                    s.y -= s.jumpStep;
                }
                if (t.ground(s.x + 3, s.y + H + 4) || t.ground(s.x + W - 3, s.y + H + 4)) {
                    s.onGround = true;
                    if (t.ground(s.x + 3, s.y + H + 2) || t.ground(s.x + W - 3, s.y + H + 2)) {
                        if (s.jumping) {
                            s.jumping = false;
                            s.y += s.jumpStep;
                        } else {
                            s.y -= 2;
                        }
                    }
                } else {
                    if (!s.jumping) s.y += 8;
                    s.onGround = false;
                }
                if (s.y > t.height() + 64 || s.y < -1500 || s.jumpStep < -400)
                    continue;  // fell out for good
                if (seen.insert(key(s)).second) queue.push_back(s);
            }
        }
    }
    return result;
}

}  // namespace kv::levelc

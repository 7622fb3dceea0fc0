#include "search.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <queue>
#include <unordered_set>

#include "player/collision_mask.h"
#include "shell/app.h"

namespace kv::bot {
namespace {

struct Node {
    Pose pose;
    int frame;
    int parent;
    Input in;
    int hurts;
    double score;  // the fight's ranking
};

std::uint64_t mix(std::uint64_t h, std::int64_t v) {
    h ^= static_cast<std::uint64_t>(v) + 0x9e3779b97f4a7c15ull + (h << 6) + (h >> 2);
    return h * 0xff51afd7ed558ccdull;
}

// Two ways meeting in the same frame in the same pose go on alike.
std::uint64_t poseKey(const Pose& p, int frame) {
    std::uint64_t h = mix(0, frame);
    for (std::int64_t v :
         {std::int64_t{p.playerX}, std::int64_t{p.playerY}, std::int64_t{p.scrollX},
          std::int64_t{p.jumpStep}, std::int64_t{p.blinkTicks}, std::int64_t{p.lives},
          std::int64_t{p.shotX}, std::int64_t{p.shotY}, std::int64_t{p.shotSpeed},
          std::int64_t{p.life}, std::int64_t{static_cast<int>(p.walk)},
          std::int64_t{static_cast<int>(p.facing)}, std::int64_t{p.alive},
          std::int64_t{p.jumping | p.onGround << 1 | p.hurt << 2 | p.hurtLifePending << 3 |
                       p.shotActive << 4}})
        h = mix(h, v);
    return h;
}

Plan planTo(const std::vector<Node>& nodes, int last, bool found, long expanded) {
    Plan plan;
    plan.found = found;
    plan.expanded = expanded;
    plan.hurts = last >= 0 ? nodes[last].hurts : 0;
    for (int i = last; i > 0; i = nodes[i].parent) {
        plan.inputs.push_back(nodes[i].in);
        plan.poses.push_back(nodes[i].pose);
    }
    std::reverse(plan.inputs.begin(), plan.inputs.end());
    std::reverse(plan.poses.begin(), plan.poses.end());
    return plan;
}

std::vector<Input> choices(const Pose& p, bool fight) {
    std::vector<Input> out;
    for (Dir walk : {Dir::Right, Dir::None, Dir::Left})
        for (bool jump : {false, true}) {
            // Space starts a jump only from the ground; otherwise it is the same as no key.
            if (jump && (p.jumping || !p.onGround)) continue;
            for (bool shoot : {false, true}) {
                if (shoot && (!fight || p.shotActive)) continue;
                out.push_back({walk, jump, shoot});
            }
        }
    return out;
}

// The frame after which Right held completes the level: the camera at the end, the figure past
// 580, nothing in the way and no hazard at the side probes.
bool atLevelEnd(Sandbox& sb) {
    const GameState& s = sb.state();
    const int lx = s.playerX + s.scrollX, probeY = s.playerY + s.playerHeight - 5;
    return s.scrollX >= 5720 && s.playerX > 580 &&
           !GroundAt(sb.app(), lx + s.playerWidth + 4, probeY) &&
           !HazardAt(sb.app(), lx - 4, probeY) &&
           !HazardAt(sb.app(), lx + s.playerWidth + 3, probeY);
}

// The loading second after a completion runs on with Right held: nothing may hurt meanwhile.
bool tailIsSafe(Sandbox& sb, const Node& from, int frames) {
    Pose p = from.pose;
    for (int i = 0; i < frames; ++i) {
        Pose next;
        const Outcome out = sb.step(from.frame + i, p, {Dir::Right, false, false}, next);
        if (out == Outcome::Hurt || sb.state().deathFall) return false;
        if (sb.state().playerY > 480) return true;  // gone below the screen, out of reach
        p = next;
    }
    return true;
}

}  // namespace

Plan searchLevel(Sandbox& sb, int level, const LevelSearch& o) {
    const int goalX = level == 12 ? 5801 : 6307;
    auto h = [&](const Pose& p) { return std::max(0, goalX - p.levelX()) / 7.0; };
    std::vector<Node> nodes{{sb.rootPose(), 0, -1, {}, 0, 0}};
    struct Entry {
        double f;
        int g;
        int index;
        bool operator<(const Entry& e) const { return f != e.f ? f > e.f : g < e.g; }
    };
    std::priority_queue<Entry> open;
    open.push({o.weight * h(nodes[0].pose), 0, 0});
    std::unordered_set<std::uint64_t> seen{poseKey(nodes[0].pose, 0)};
    long expanded = 0;
    int farthest = 0;

    while (!open.empty() && expanded < o.budget) {
        const int index = open.top().index;
        open.pop();
        const Node n = nodes[index];
        for (const Input& in : choices(n.pose, false)) {
            Pose after;
            const Outcome out = sb.step(n.frame, n.pose, in, after);
            ++expanded;
            int hurts = n.hurts;
            if (out == Outcome::Dead) continue;
            if (out == Outcome::Hurt) {
                // A hurt with no life to spare ends the game.
                if (!o.hurtPenalty || n.pose.lives < 1) continue;
                ++hurts;
            }
            Node child{after, n.frame + 1, index, in, hurts, 0};
            if (level == 12 && out == Outcome::Speech) {
                nodes.push_back(child);
                return planTo(nodes, static_cast<int>(nodes.size()) - 1, true, expanded);
            }
            if (out == Outcome::Speech) continue;
            if (level != 12 && atLevelEnd(sb) && tailIsSafe(sb, child, o.tailFrames)) {
                nodes.push_back(child);
                return planTo(nodes, static_cast<int>(nodes.size()) - 1, true, expanded);
            }
            if (!seen.insert(poseKey(after, child.frame)).second) continue;
            nodes.push_back(child);
            const int childIndex = static_cast<int>(nodes.size()) - 1;
            if (after.levelX() > nodes[farthest].pose.levelX()) farthest = childIndex;
            const int g = child.frame + hurts * o.hurtPenalty;
            open.push({g + o.weight * h(after), g, childIndex});
        }
    }
    return planTo(nodes, farthest, false, expanded);
}

namespace {

// Where the player throws from best: level with the boss, a few steps away, facing it.
double placeScore(const Pose& p, const GameState& world, int rootLife) {
    const double hits = (rootLife - p.life) / 5.0;
    const double dx = (world.bossX + 17) - (p.levelX() + 12);
    const double dist = std::abs(dx);
    double score = hits * 1000.0;
    if (dist < 110) score -= (110 - dist) * 3;
    if (dist > 260) score -= (dist - 260);
    const Dir towards = dx > 0 ? Dir::Right : Dir::Left;
    const Dir way = p.walk != Dir::None ? p.walk : p.facing;
    if (way == towards) score += 20;
    if (p.shotActive && (p.shotSpeed > 0) == (world.bossX + 17 > p.shotX + 6)) score += 40;
    if (p.onGround) score += 10;
    return score;
}

constexpr double HurtCost = 20000;  // worth twenty hits: only when nothing else is left

}  // namespace

Plan searchFight(Sandbox& sb, const FightSearch& o) {
    const int rootLife = sb.rootPose().life;
    std::vector<Node> nodes{{sb.rootPose(), 0, -1, {}, 0, 0}};
    std::vector<int> layer{0};
    long expanded = 0;
    for (int depth = 0; depth < o.horizon; ++depth) {
        std::vector<int> next;
        std::unordered_set<std::uint64_t> seen;
        for (int index : layer) {
            const Node n = nodes[index];
            for (const Input& in : choices(n.pose, true)) {
                Pose after;
                const Outcome out = sb.step(n.frame, n.pose, in, after);
                ++expanded;
                if (out == Outcome::Dead) continue;
                Node child{after, n.frame + 1, index, in, n.hurts, 0};
                if (out == Outcome::Beaten) {
                    nodes.push_back(child);
                    return planTo(nodes, static_cast<int>(nodes.size()) - 1, true, expanded);
                }
                if (out == Outcome::Hurt) {
                    if (n.pose.lives < 1) continue;
                    ++child.hurts;
                }
                if (!seen.insert(poseKey(after, child.frame)).second) continue;
                child.score =
                    placeScore(after, sb.world(child.frame), rootLife) - child.hurts * HurtCost;
                nodes.push_back(child);
                next.push_back(static_cast<int>(nodes.size()) - 1);
            }
        }
        if (next.empty()) break;
        const std::size_t keep = std::min<std::size_t>(next.size(), o.beam);
        std::partial_sort(next.begin(), next.begin() + keep, next.end(),
                          [&](int a, int b) { return nodes[a].score > nodes[b].score; });
        next.resize(keep);
        layer = std::move(next);
    }
    int best = layer.front();
    for (int i : layer)
        if (nodes[i].score > nodes[best].score) best = i;
    return planTo(nodes, best, false, expanded);
}

}  // namespace kv::bot

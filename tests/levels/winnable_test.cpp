// Every level can be walked through with the game's own movement code: a search over the inputs
// left, right, none and Space, frame by frame from the level's start, never touching the hazard
// (enemies and plants left out), reaches the right end of levels 1 to 11 and the boss arena of 12.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <unordered_set>
#include <vector>

#include "game/key_handlers.h"
#include "levels/level_files.h"
#include "levels/life_and_level.h"
#include "levels/setup_level.h"
#include "player/update_player.h"
#include "player/walking.h"
#include "support/app_fixture.h"

namespace kv {
namespace {

struct Pose {
    int playerX, playerY, scrollX, jumpStep;
    bool jumping, onGround;
    bool operator==(const Pose&) const = default;
};

// Collisions depend on the level x alone, not on how it splits into playerX and scrollX, so
// positions that differ only in that split count as one.
std::uint64_t key(const Pose& p) {
    const auto lx = static_cast<std::uint64_t>(p.playerX + p.scrollX + 1024);
    const auto y = static_cast<std::uint64_t>(p.playerY + 4096);
    const auto step = static_cast<std::uint64_t>(p.jumpStep + 4096);
    return lx | y << 16 | step << 32 | std::uint64_t{p.jumping} << 48 |
           std::uint64_t{p.onGround} << 49;
}

enum class Input { Left, Right, None, Space };

void apply(GameState& s, const Pose& p) {
    s.playerX = p.playerX;
    s.playerY = p.playerY;
    s.scrollX = p.scrollX;
    s.jumpStep = p.jumpStep;
    s.jumping = p.jumping;
    s.onGround = p.onGround;
}

Pose read(const GameState& s) {
    return {s.playerX, s.playerY, s.scrollX, s.jumpStep, s.jumping, s.onGround};
}

class Winnable : public ::testing::TestWithParam<int> {};

TEST_P(Winnable, RightEndIsReachableWithoutTouchingTheHazard) {
    const int level = GetParam();
    test::HeadlessGame game({.testLevel = true, .tunes = 0, .sysIni = test::PlainSettings});
    const auto grafix = std::filesystem::path(KVORLIN_BUILD_DIR) / "grafix";
    for (const char* stem : {"episode", "mask"}) {
        const std::string name = std::string(stem) == "mask"
                                     ? "episode" + std::to_string(level) + "mask.lev"
                                     : "episode" + std::to_string(level) + ".lev";
        ASSERT_TRUE(std::filesystem::exists(grafix / name)) << name;
        std::filesystem::copy_file(grafix / name, game.folder.path() / "grafix" / name);
    }
    game.openMainWindow();
    App& app = game.app;
    GameState& s = app.state;
    s.levelNumber = level;
    CopyLevelPictures(app, level, false);
    SetupLevel(app);
    app.Form1.loading->visible = false;
    s.inMainMenu = false;

    // Depth first, trying right first: a way through is usually found long before the whole
    // space of positions is seen.
    std::vector<Pose> stack{read(s)};
    std::unordered_set<std::uint64_t> seen{key(read(s))};
    bool reached = false;
    int farthest = 0;
    while (!stack.empty() && !reached) {
        const Pose from = stack.back();
        stack.pop_back();
        for (Input in : {Input::Left, Input::None, Input::Space, Input::Right}) {
            apply(s, from);
            // Space does nothing unless it starts a jump; that case is the same as no key.
            if (in == Input::Space && (s.jumping || !s.onGround)) continue;
            s.walkDirection = in == Input::Left    ? Dir::Left
                              : in == Input::Right ? Dir::Right
                                                   : Dir::None;
            if (in == Input::Space) Form1KeyDown(app, keys::Space);
            if (TouchesHazard(app)) continue;
            if (s.walkDirection == Dir::Left) WalkLeft(app);
            if (s.walkDirection == Dir::Right && WalkRight(app)) reached = true;
            UpdatePlayer(app);
            const int lx = s.playerX + s.scrollX;
            farthest = std::max(farthest, lx);
            if (level == 12 && lx > 5800) reached = true;
            if (reached) break;
            // Fallen out of the level without meeting the hazard: a bottomless pit, no way on.
            if (s.playerY > 480 || s.playerY < -400) continue;
            const Pose to = read(s);
            if (seen.insert(key(to)).second) stack.push_back(to);
        }
    }
    EXPECT_TRUE(reached) << "level " << level << ": farthest level x reached " << farthest
                         << " after " << seen.size() << " positions";
}

INSTANTIATE_TEST_SUITE_P(AllLevels, Winnable, ::testing::Range(1, 13));

}  // namespace
}  // namespace kv

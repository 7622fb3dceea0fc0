#include "actors/boss_timer.h"

#include <random>

#include "shell/app.h"

namespace kv {

void BossTimerTick(App& app) {
    BossMove(app, BossDraw(app));
}

int BossDraw(App& app) {
    // Reseeded from the clock every time, as the boss always was.
    app.random.seed(static_cast<std::mt19937::result_type>(app.host.clock().ticks()));
    // The top two of 32 random bits: the whole part of a uniform [0, 1) value times 4.
    return static_cast<int>(app.random() >> 30);
}

void BossMove(App& app, int draw) {
    GameState& s = app.state;
    switch (draw) {
        case 0:
            s.bossDirection = Dir::Left;
            break;
        case 1:
            s.bossDirection = Dir::Right;
            break;
        case 2:
            // A jump in the air starts again from the top; the boss keeps its way.
            s.bossJumping = true;
            s.bossJumpStep = 15;
            break;
        default:
            s.bossDirection = Dir::None;
            break;
    }
}

}  // namespace kv

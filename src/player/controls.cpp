#include "player/controls.h"

#include "shell/app.h"

namespace kv {

void StartWalking(App& app, Dir d) {
    app.state.walkDirection = d;
}

void StopWalking(App& app, Dir d) {
    app.state.walkDirection = Dir::None;
    app.state.facing = d;
}

void Jump(App& app) {
    GameState& s = app.state;
    if (s.jumping || !s.onGround) return;
    s.jumping = true;
    s.jumpStep = 15;
}

}  // namespace kv

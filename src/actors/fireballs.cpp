#include "actors/fireballs.h"

#include "shell/app.h"

namespace kv {

// Rolling fireballs burn and the shot flies in a later step.
void FireballContact(App& /*app*/, int /*slot*/) {}

void ThrowShot(App& app) {
    if (!app.state.bossFight || app.state.shotActive) return;
}

}  // namespace kv

#include "player/animation_clock.h"

#include "shell/app.h"

namespace kv {

void AnimationTick(App& /*app*/) {}

}  // namespace kv

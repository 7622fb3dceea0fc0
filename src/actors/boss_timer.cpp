#include "actors/boss_timer.h"

#include "shell/app.h"

namespace kv {

void BossTimerTick(App& /*app*/) {}

}  // namespace kv

#include "levels/level_start.h"

#include "shell/app.h"

namespace kv {

void LevelStartTick(App& /*app*/) {}

}  // namespace kv

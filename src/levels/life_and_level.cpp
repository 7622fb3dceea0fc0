#include "levels/life_and_level.h"

#include "shell/app.h"

namespace kv {

void UpdateLifeAndLevel(App& /*app*/) {}

}  // namespace kv

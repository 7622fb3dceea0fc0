#include "actors/ending.h"

#include "shell/app.h"

namespace kv {

void EndingTick(App& /*app*/) {}

}  // namespace kv

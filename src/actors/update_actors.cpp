#include "actors/update_actors.h"

#include "shell/app.h"

namespace kv {

void UpdateActors(App& /*app*/) {}

}  // namespace kv

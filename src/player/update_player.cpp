#include "player/update_player.h"

#include "shell/app.h"

namespace kv {

void UpdatePlayer(App& /*app*/) {}

}  // namespace kv

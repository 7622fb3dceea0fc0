#include "screens/game_menu.h"

#include "shell/app.h"

namespace kv {

void GameMenuTick(App& /*app*/) {}

}  // namespace kv

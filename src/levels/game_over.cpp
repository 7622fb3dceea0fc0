#include "levels/game_over.h"

#include "shell/app.h"

namespace kv {

void ShowEndOfGame(App& app) { app.show(app.loaded(app.score1)); }

}  // namespace kv

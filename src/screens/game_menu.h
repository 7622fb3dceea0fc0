#pragma once

namespace kv {

class App;

// One frame of the in-game menu.
void GameMenuTick(App& app);

}  // namespace kv

#pragma once

namespace kv {

class App;

// Death, lives, level completion and the player's walking, one frame.
void UpdateLifeAndLevel(App& app);

}  // namespace kv

#pragma once

namespace kv {

class App;

// Jumping, falling, respawn and the rising plants, one frame.
void UpdatePlayer(App& app);

}  // namespace kv

#pragma once

namespace kv {

class App;

// The walking step of a frame: the player moves, or the camera scrolls under it.
void WalkLeft(App& app);
// Returns true when this step reached the right end of the level with the loading screen hidden:
// the level is complete (the caller runs the completion).
bool WalkRight(App& app);

}  // namespace kv

#pragma once
// What the player asks of the figure; the next frame carries it out.
#include "shell/game_state.h"

namespace kv {

class App;

// An arrow pressed: walk that way until it is released.
void StartWalking(App& app, Dir d);
// An arrow released: stop, facing that way.
void StopWalking(App& app, Dir d);
// Space: a jump starts when standing on ground and not already jumping.
void Jump(App& app);

}  // namespace kv

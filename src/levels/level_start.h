#pragma once

namespace kv {

class App;

// Tick of the level-start timer Timer3.
void LevelStartTick(App& app);

}  // namespace kv

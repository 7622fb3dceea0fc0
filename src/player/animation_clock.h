#pragma once

namespace kv {

class App;

// Tick of the animation clock Timer2.
void AnimationTick(App& app);

}  // namespace kv

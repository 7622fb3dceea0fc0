#pragma once

namespace kv {

class App;

// Tick of the boss timer Timer5.
void BossTimerTick(App& app);

}  // namespace kv

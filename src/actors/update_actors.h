#pragma once

namespace kv {

class App;

// Enemies, rolling fireballs, plant contacts and the boss, one frame.
void UpdateActors(App& app);

}  // namespace kv

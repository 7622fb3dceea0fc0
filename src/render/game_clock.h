#pragma once

namespace kv {

class App;

// Tick of the game clock Timer1: seconds, frames per second and the labels that show them.
void GameClockTick(App& app);

}  // namespace kv

#pragma once

namespace kv {

class App;

// The rolling fireballs' touch in levels 7 and 8, and the player's shot.
void FireballContact(App& app, int slot);
// Ctrl released during the boss fight, when no shot is in flight.
void ThrowShot(App& app);
// One frame of the shot's flight, run by RenderFrame before it draws the shot.
void MoveShot(App& app);

}  // namespace kv

#pragma once

namespace kv {

class App;

// Death, lives, level completion and the player's walking, one frame.
void UpdateLifeAndLevel(App& app);
// Whether either side probe at the player's feet meets the hazard colour.
bool TouchesHazard(const App& app);
// The I key: back to three lives.
void RefillLives(App& app);

}  // namespace kv

#pragma once

namespace kv {

class App;

// Enemy slots 1..10: turning at ground by the knees, walking, and the hurt and stomp pair.
void TurnEnemies(App& app);
void WalkEnemies(App& app);
int EnemySpeed(int level, int slot);
void EnemyContact(App& app, int slot);
// A respawn brings back one particular slot in levels 3 and 6.
void ReviveAfterRespawn(App& app);

}  // namespace kv

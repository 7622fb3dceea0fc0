#pragma once

namespace kv {

class App;

// Tick of the boss timer Timer5: a fresh draw, then its move.
void BossTimerTick(App& app);
// A draw from 0 to 3 with the generator reseeded from the clock.
int BossDraw(App& app);
// The boss's move for a draw: 0 walk left, 1 walk right, 2 jump, 3 stand.
void BossMove(App& app, int draw);

}  // namespace kv

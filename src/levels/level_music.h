#pragma once

namespace kv {

class App;

// The tune number that starts with a level (levels 2, 4, 6, 8, 10 keep the tune before): 0 = none.
int TuneForLevel(int level);
// Starts the current level's tune when the music is on, at the stored volume.
void StartLevelTune(App& app);

}  // namespace kv

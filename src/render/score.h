#pragma once

namespace kv {

class App;

// The score lives only as the caption of the label `score`: read, add, write back.
void AddScore(App& app, int points);
int Score(App& app);

}  // namespace kv

#pragma once

namespace kv {

class App;

// The boss speech and the ending texts, one frame.
void EndingTick(App& app);
// Space during the farewell and the closing text: on to the closing text, or the game ends.
void AdvanceEnding(App& app);

}  // namespace kv

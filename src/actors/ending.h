#pragma once

namespace kv {

class App;

// The boss speech and the ending texts, one frame.
void EndingTick(App& app);

}  // namespace kv

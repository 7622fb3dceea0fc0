#pragma once

namespace kv {

class App;

// The player walked off the right end: next level's pictures, loading screen, 100 points.
void CompleteLevel(App& app);

}  // namespace kv

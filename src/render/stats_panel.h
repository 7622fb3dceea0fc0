#pragma once

namespace kv {

class App;

// The S key: the stats panel slides in, or back out.
void ToggleStatsPanel(App& app);
// One frame of the panel's slide, 10 pixels towards where it should be.
void SlideStatsPanel(App& app);

}  // namespace kv

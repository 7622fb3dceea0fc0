#pragma once
// The level's collision mask: the colour at a level point, and the two key colours.
#include <cstdint>

namespace kv {

class App;

// Colour of the mask at level point (x, y), or -1 outside it (or with no mask loaded).
std::int64_t MaskColour(const App& app, int x, int y);
bool GroundAt(const App& app, int x, int y);
bool HazardAt(const App& app, int x, int y);
bool BossGroundAt(const App& app, int x, int y);

}  // namespace kv

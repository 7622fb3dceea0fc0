#pragma once

namespace kv {

class App;

// One frame of the main menu.
void MenuTick(App& app);

}  // namespace kv

#pragma once

namespace kv {

class App;

// One frame of the in-game menu's opening animation.
void GameMenuTick(App& app);

void ContinueClick(App& app);
void MenuItemClick(App& app);
void ExitItemClick(App& app);

}  // namespace kv

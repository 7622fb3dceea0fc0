#pragma once

namespace kv {

class App;

// One frame of the in-game menu's opening animation.
void GameMenuTick(App& app);

// Esc and the menu's CONTINUE: play stops with its clocks and the box opens, or play goes on.
void PauseGame(App& app);
void ResumeGame(App& app);
void TogglePause(App& app);
void MenuItemClick(App& app);
void ExitItemClick(App& app);

}  // namespace kv

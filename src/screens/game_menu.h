#pragma once

namespace kv {

class App;

// One frame of the in-game menu's opening animation.
void GameMenuTick(App& app);

// Esc and the menu's CONTINUE: play stops with its clocks and the box opens, or play goes on.
void PauseGame(App& app);
void ResumeGame(App& app);
void TogglePause(App& app);
// Esc: the pause of play. The main menu has no game to pause, and one armed there would wait
// behind the menu for the next game.
void TogglePauseInPlay(App& app);
// The OS window lost the focus: play pauses as Esc pauses it; it does not go on by itself.
void PauseOnFocusLoss(App& app);
// Up, Down and Enter over CONTINUE, MENU and EXIT while the box is open; true when used.
bool GameMenuKey(App& app, int key);
void MenuItemClick(App& app);
void ExitItemClick(App& app);

}  // namespace kv

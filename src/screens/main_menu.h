#pragma once

namespace kv {

class App;
class PictureBox;

// One frame of the main menu: panels, exit curtain, new-game curtain, opening animation.
void MenuTick(App& app);

void NovahraClick(App& app);
void NapovedaClick(App& app);
void CreditsClick(App& app);
void KonecClick(App& app);
// The sound switch: turnOn is true for a click on the crossed-out loudspeaker.
void SoundClick(App& app, bool turnOn);
// The mouse over an item (or over the background when item is null).
void MenuHover(App& app, PictureBox* item);
// Up, Down and Enter over the four items while they are shown; true when the key was used.
bool MainMenuKey(App& app, int key);

}  // namespace kv

#include "render/game_clock.h"

#include "shell/app.h"
#include "shell/main_window.h"

namespace kv {

void GameClockTick(App& app) {
    GameState& s = app.state;
    MainWindow& f = app.windows.loaded(app.Form1);
    f.Label7->caption = std::to_string(s.lives);
    ++s.gameSeconds;
    f.Label4->caption = "Game Time : " + std::to_string(s.gameSeconds);
    f.Label1->caption = "Fps : " + std::to_string(s.frameCount);
    s.frameCount = 0;
    f.Label8->caption = std::to_string(s.gameSeconds);
}

}  // namespace kv

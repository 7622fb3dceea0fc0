#include "actors/ending.h"

#include "levels/game_over.h"
#include "shell/app.h"
#include "shell/main_window.h"

namespace kv {

void EndingTick(App& /*app*/) {}

void AdvanceEnding(App& app) {
    GameState& s = app.state;
    const MainWindow& f = app.windows.loaded(app.Form1);
    if (!f.finaltext->visible) return;
    if (s.speechStep == 1)
        s.speechStep = 2;
    else if (s.speechStep == 3)
        FinishGame(app);
}

}  // namespace kv

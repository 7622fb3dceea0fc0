#include "game/frame_loop.h"

#include "actors/ending.h"
#include "actors/update_actors.h"
#include "levels/life_and_level.h"
#include "player/update_player.h"
#include "render/render_frame.h"
#include "render/stats_panel.h"
#include "screens/game_menu.h"
#include "screens/main_menu.h"
#include "shell/app.h"
#include "shell/main_window.h"

namespace kv {

void RunMainLoop(App& app) {
    app.windows.setFrameLoop(
        {&app.Form1,
         // A frame starts at the first tick strictly greater than nextFrameTime.
         [&app] { return app.state.nextFrameTime + 1; }, [&app] { return MainLoopPass(app); }});
}

bool MainLoopPass(App& app) {
    GameState& s = app.state;
    if (!s.loopRunning) return false;
    s.nextFrameTime = app.host.clock().ticks() + s.framePeriod.millis();
    app.windows.countFrame();
    app.windows.pump(false);
    ++s.frameCount;
    if (s.inMainMenu) {
        MenuTick(app);
    } else {
        GameTick(app);
    }
    app.windows.pump(true);
    return true;
}

void GameTick(App& app) {
    GameState& s = app.state;
    MainWindow& f = app.windows.loaded(app.Form1);

    SlideStatsPanel(app);

    if (f.Picture3->visible || f.finaltext->visible) EndingTick(app);

    if (s.gamePaused) {
        GameMenuTick(app);
        return;
    }

    if (s.bossFight) {
        if (f.finallife->top != 10) f.finallife->top += 2;
        f.Picture1->top = f.finallife->top;
    }

    RenderFrame(app);
    UpdateLifeAndLevel(app);
    UpdatePlayer(app);
    UpdateActors(app);
}

void FasterGame(App& app) {
    --app.state.framePeriod;
}

void SlowerGame(App& app) {
    ++app.state.framePeriod;
}

void ShowFramePeriod(App& app) {
    app.windows.loaded(app.Form1).Label5->caption = app.state.framePeriod.toText();
}

}  // namespace kv

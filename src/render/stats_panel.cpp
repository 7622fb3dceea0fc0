#include "render/stats_panel.h"

#include "shell/app.h"
#include "shell/main_window.h"

namespace kv {

void ToggleStatsPanel(App& app) {
    app.state.hudShown = !app.state.hudShown;
}

void SlideStatsPanel(App& app) {
    PictureBox& tma = *app.windows.loaded(app.Form1).tma;
    if (app.state.hudShown && tma.top < 0) tma.top += 10;
    if (!app.state.hudShown && tma.top > -100) tma.top -= 10;
}

}  // namespace kv

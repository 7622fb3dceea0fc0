#include "levels/game_over.h"

#include "persist/score_window.h"
#include "persist/settings_holder.h"
#include "shell/app.h"
#include "shell/main_window.h"

namespace kv {

void ShowEndOfGame(App& app) {
    app.windows.show(app.windows.loaded(app.score1));
}

void FinishGame(App& app) {
    MainWindow& f = app.windows.loaded(app.Form1);
    app.ini.Text[2] = app.state.framePeriod.toText();
    app.ini.SaveSettings();
    for (PictureBox* p : {f.loading, f.all, f.mask, f.picBack}) p->release();
    ShowEndOfGame(app);
}

}  // namespace kv

#include "levels/game_over.h"

#include "shell/app.h"

namespace kv {

void ShowEndOfGame(App& app) {
    app.show(app.loaded(app.score1));
}

void FinishGame(App& app) {
    MainWindow& f = app.loaded(app.Form1);
    app.ini.Text[2] = app.state.framePeriod.toText();
    app.ini.SaveSettings();
    for (PictureBox* p : {f.loading, f.all, f.mask, f.picBack}) p->release();
    ShowEndOfGame(app);
}

}  // namespace kv

#include "levels/level_start.h"

#include "levels/level_music.h"
#include "levels/setup_level.h"
#include "shell/app.h"
#include "shell/main_window.h"

namespace kv {

void LevelStartTick(App& app) {
    MainWindow& f = app.windows.loaded(app.Form1);
    SetupLevel(app);
    f.Timer3->setEnabled(false);
    f.loading->visible = false;
    StartLevelTune(app);
    f.keyPreview = true;
}

}  // namespace kv

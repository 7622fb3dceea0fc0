#include "levels/level_change.h"

#include <memory>

#include "base/bmp.h"
#include "levels/level_files.h"
#include "render/score.h"
#include "shell/app.h"
#include "shell/main_window.h"

namespace kv {

void CompleteLevel(App& app) {
    GameState& s = app.state;
    MainWindow& f = app.windows.loaded(app.Form1);
    const int n = ++s.levelNumber;
    DeleteLevelCopies(app);
    CopyLevelPictures(app, n, true);
    f.loadd->release();
    f.loadd->picture = std::make_shared<const Surface>(LoadLevelPicture(app, "e", n));
    f.loading->visible = true;
    f.Label6->caption = "level : " + std::to_string(n);
    f.Timer3->setEnabled(true);
    AddScore(app, 100);
}

}  // namespace kv

#include "levels/level_music.h"

#include "base/files.h"
#include "base/numbers.h"
#include "persist/settings_holder.h"
#include "shell/app.h"
#include "shell/main_window.h"

namespace kv {

int TuneForLevel(int level) {
    switch (level) {
        case 1:
            return 1;
        case 3:
            return 2;
        case 5:
            return 3;
        case 7:
            return 4;
        case 9:
            return 5;
        case 11:
            return 6;
        case 12:
            return 7;
        default:
            return 0;
    }
}

void StartLevelTune(App& app) {
    if (!app.state.musicOn) return;
    const int tune = TuneForLevel(app.state.levelNumber);
    if (tune == 0) return;
    MainWindow& f = app.windows.loaded(app.Form1);
    if (!f.music) return;
    f.music->setFileName(app.paths.data("/music/" + std::to_string(tune) + ".mid").string());
    const std::string& text = app.ini.Text[10];
    if (auto volume = parseWholeNumber(text)) {
        f.music->setVolume(*volume);
    } else {
        // The default ":-)))" is no number: keep the player's volume rather than stop the game.
        app.warnOnce("sys.ini: music volume \"" + text +
                     "\" is not a whole number; volume unchanged");
    }
    f.music->play();
}

}  // namespace kv

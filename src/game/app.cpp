#include "shell/app.h"

#include <algorithm>
#include <iostream>
#include <utility>

#include "base/errors.h"
#include "base/files.h"
#include "levels/level_files.h"
#include "persist/first_run_window.h"
#include "persist/score_window.h"
#include "persist/settings_holder.h"
#include "render/sprites.h"
#include "screens/game_menu.h"
#include "screens/intro_window.h"
#include "shell/main_window.h"

namespace kv {

App::App(Host& h, Paths p)
    : host(h),
      paths(std::move(p)),
      random(static_cast<std::mt19937::result_type>(h.clock().ticks())),
      sprites_(std::make_unique<const Sprites>(loadSprites())),
      ini_(std::make_unique<SettingsHolder>(*this)),
      form2_(std::make_unique<FirstRunWindow>(*this)),
      checkpoint_(std::make_unique<IntroWindow>(*this)),
      form1_(std::make_unique<MainWindow>(*this)),
      score1_(std::make_unique<ScoreWindow>(*this)),
      sprites(*sprites_),
      windows(h, text),
      ini(*ini_),
      Form2(*form2_),
      checkpoint(*checkpoint_),
      Form1(*form1_),
      score1(*score1_) {
    for (Window* w : std::initializer_list<Window*>{&Form2, &checkpoint, &Form1, &score1})
        windows.add(*w);
    windows.onClose = [this] { cleanExit(); };
    windows.onFocusLost = [this] { PauseOnFocusLoss(*this); };
}

App::~App() = default;

void App::start() {
    // Our own temporaries that a crash in the middle of a save left behind.
    RemoveStaleTemporaries(paths);
    if (!text.problem().empty()) {
        fail(text.problem());
        return;
    }
    try {
        ini.load();
    } catch (const FileError& e) {
        fail(e.what());
    }
}

void App::cleanExit() {
    DeleteWorkingCopies(*this);
    windows.unload(Form1);
    ini.unload();
    endProgram(0);
}

void App::fail(const std::string& message) {
    host.showError(message);
    // Asked to end while the dialog was open: the working copies go and the settings are kept,
    // as at any other moment.
    if (host.quitDuringDialog()) cleanExit();
    endProgram(1);
}

}  // namespace kv
